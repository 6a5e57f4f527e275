#pragma once

#include "BoardBuilder.h"
#include "Fakes.h"
#include "GameWindow.h"
#include "Session.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quadrell::test {

// A whole session with its settings in a temporary folder and recording fakes around it.
class SessionFixture : public ::testing::Test {
protected:
    SessionFixture() {
        paths.Create();
        session.win.SetHandler([this] { ++wins; });
    }

    GameState& state() { return session.engine.state(); }
    cGame& board() { return session.engine.state().gBoard; }
    cTrans& trans() { return session.trans; }
    QString file(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    AppPaths paths = AppPaths::Inside(dir.path());
    RecordingView view;
    ScriptedPrompter prompter;
    HeadlessGameWindow window;
    ManualReplayControl replay;
    int registered = 0; // the file types, registered by a first run
    // The session's time of day: the test's own, so that no reading depends on the machine.
    QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'000);
    Session session { paths, view, prompter, window, replay, [this] { ++registered; },
        [this] { return now; } };
    int wins = 0;
};

} // namespace quadrell::test
