#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace quadrell {

// What reading a file gave: its bytes, or why there are none.
struct FileRead {
    QByteArray bytes;
    bool ok = false;
    bool missing = false; // nothing at the path
    QString error;        // why, when not ok
};

// Reading and writing whole files so that nothing is lost: only regular files are read
// (a FIFO or a device would hang or never end), each kind with its size cap; a file is
// written whole or keeps its old content.
class SafeFile {
    Q_DECLARE_TR_FUNCTIONS(SafeFile)

public:
    // A game file holds at most 32,767 entries of under 20 bytes each (about 650 KB); a
    // hostile file far larger is refused before it is read. A score file of a million
    // lines is about 50 MB.
    static constexpr qint64 kGameFileCap = 1024 * 1024;
    static constexpr qint64 kScoreFileCap = 256 * 1024 * 1024;
    static constexpr qint64 kPictureCap = 64 * 1024 * 1024;

    // Every program calls this first: a write past a file-size limit then fails like any
    // other write instead of killing the program (the default of SIGXFSZ).
    static void IgnoreFileSizeSignal();
    // Opens without blocking and refuses anything but a regular file at most `cap` bytes.
    static FileRead Read(const QString& path, qint64 cap);
    // The same, handing the bytes to `take` part after part instead of holding them all:
    // `bytes` stays empty.
    static FileRead ReadParts(
        const QString& path, qint64 cap, const std::function<void(QByteArrayView)>& take);
    // A regular file within `cap`: what may be read without waiting on a pipe or reading a
    // device without end.
    static QString CheckRegular(const QString& path, qint64 cap);
    // Nothing there, a regular file within `cap` or a link to one: what a write may replace.
    // A rename over anything else would put a file where a device, a pipe or a folder stands
    // (as root, in /dev), or make the file a link to nothing points at.
    static QString CheckReplaceable(const QString& path, qint64 cap);
    // Opens a regular file at most `cap` bytes for reading and writing in place, made when
    // missing, without waiting on a pipe put in its place; empty when `file` is open, else
    // why not.
    static QString OpenInPlace(QFile& file, const QString& path, qint64 cap);
    // Written to a temporary file, flushed and checked, then renamed over the old one (a link
    // to a file stays a link); on failure the old file is untouched and `error` says why. A
    // device, a pipe, a folder or a link to nothing in the file's place is never replaced.
    static bool Write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    // The same, for text made part after part: `next` fills the next part (empty when there
    // is no more) and answers false to stop, which keeps the old file.
    enum class Written { Whole, Failed, Stopped };
    // `last`, when given, may still change what was written (the same length, in place)
    // just before the file is closed.
    static Written WriteParts(const QString& path, const std::function<bool(QByteArray&)>& next,
        QString* error, const std::function<bool(QIODevice&)>& last = {});
    // Removes a folder and what it holds, never anything outside `root`: the folder must lie
    // inside it, and a link (the folder itself or anything within) goes as a link, with
    // whatever it points to left alone.
    static bool RemoveTree(const QString& path, const QString& root);
};

} // namespace quadrell
