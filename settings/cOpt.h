#pragma once

#include "EngineOptions.h"

#include <QString>
#include <QtGlobal>
#include <array>

namespace quadrell {

class SettingsStore;

// What some option setters change on the main window besides the stored value.
class OptionWidgets {
public:
    virtual ~OptionWidgets() = default;
    virtual void TimerShown(bool shown) = 0;
    virtual void StatusbarShown(bool shown) = 0;
    virtual void ToolbarShown(bool shown) = 0;
    virtual void BackPictureChosen(const QString& path) = 0;
    virtual void ReplayIntervalChanged(int milliseconds) = 0;
    // UpdateBG: the board takes the stored colour and picture.
    virtual void BackgroundChanged() = 0;
};

// The General page of the options window.
struct GeneralPage {
    int range = 0; // 1..3, 0 when RandomIndex is outside them
    qint16 doubleClick = 0;
    qint16 messages = 0;
    qint16 flash = 0;
    qint16 unfinished = 0;
};

// The Background page of the options window.
struct BackgroundPage {
    bool pictureEnabled = false;
    QString picture;
    qint32 colour = 0; // blue x 65536 + green x 256 + red
};

// The "Options" section, one property per option, read from the store at every access.
class cOpt final : public EngineOptions {
public:
    // The range of the four speed sliders.
    static constexpr qint16 kMinSpeed = 1;
    static constexpr qint16 kMaxSpeed = 100;

    explicit cOpt(SettingsStore& store) : store_(store) { }

    void SetWidgets(OptionWidgets* widgets) { widgets_ = widgets; }

    qint16 RandomIndex() const;
    void SetRandomIndex(qint16 value);
    qint16 EnableFlash() const;
    void SetEnableFlash(qint16 value);
    int AllowDoubleClick() const override;
    void SetAllowDoubleClick(qint16 value);
    qint16 EnableUnfinished() const;
    void SetEnableUnfinished(qint16 value);
    qint16 ShowTimer() const;
    void SetShowTimer(qint16 value);
    // "Can It Be Won" beside the clock; off unless chosen.
    qint16 ShowWinnable() const;
    // "Difficulty" beside the clock; off unless chosen.
    qint16 ShowDifficulty() const;
    void SetShowDifficulty(qint16 value);
    // The class "New Game of Difficulty..." last dealt, 1 (Easy) to 4 (Expert); 0 before any.
    qint16 AskedDifficulty() const;
    void SetAskedDifficulty(qint16 value);
    void SetShowWinnable(qint16 value);
    // The board in high contrast: black, with white outlines and strong frames; off unless
    // chosen.
    qint16 HighContrast() const;
    void SetHighContrast(qint16 value);
    qint16 ShowStatusbar() const;
    void SetShowStatusbar(qint16 value);
    qint16 ShowToolbar() const;
    void SetShowToolbar(qint16 value);
    int ShowMessages() const override;
    void SetShowMessages(qint16 value);
    bool BackPicEnable() const;
    void SetBackPicEnable(bool value);
    qint32 BackColor() const;
    void SetBackColor(qint32 value);
    QString BackPicture() const;
    void SetBackPicture(const QString& value);
    qint16 FwdBackSpeed() const;
    void SetFwdBackSpeed(qint16 value);
    qint16 UndoRedoAllSpeed() const;
    void SetUndoRedoAllSpeed(qint16 value);
    qint16 UndoRedoSpeed() const;
    void SetUndoRedoSpeed(qint16 value);
    int CardSpeed() const override;
    void SetCardSpeed(qint16 value);
    // A game that every card left can go home in finishes by itself; off unless chosen,
    // as automatic play otherwise moves only cards no other card could want.
    int FinishByItself() const override;
    void SetFinishByItself(qint16 value);
    // No celebration of a win: for players whom motion troubles; off unless chosen.
    qint16 ReduceMotion() const;
    // While cards are held, every place that would take them is marked, not just the one
    // under them; on unless turned off.
    qint16 MarkEveryTarget() const;
    void SetMarkEveryTarget(qint16 value);
    // Short sounds of a card placed, a move refused and a win; off unless turned on.
    qint16 Sounds() const;
    void SetSounds(qint16 value);
    void SetReduceMotion(qint16 value);
    // "Show Solution"'s interval between moves, in tens of milliseconds: its own, quicker
    // than the replay's.
    qint16 SolutionSpeed() const;
    void SetSolutionSpeed(qint16 value);

    // The options window's pages, filled from the store and written back in their order.
    GeneralPage GeneralInit() const;
    void SaveGeneral(
        qint16 doubleClick, qint16 messages, qint16 enFlash, qint16 unfinished, int range);
    std::array<qint16, 4> SliderInit() const;
    void SaveSlider(qint16 cardSpeed, qint16 urSpeed, qint16 urAllSpeed, qint16 fbSpeed);
    BackgroundPage BackGroundInit() const;
    void SaveColor(qint32 colour, const QString& picture, bool pictureEnabled);
    void UpdateBG();

    // The upper end of the random deal range for RandomIndex 1..3; 0 for anything else.
    qint32 GetRandomLimit() const;

private:
    qint16 get(const char* key, qint16 fallback) const;
    qint16 ticked(const char* key, qint16 fallback = 1) const;
    qint16 speed(const char* key, qint16 fallback) const;
    void set(const char* key, qint32 value);

    SettingsStore& store_;
    OptionWidgets* widgets_ = nullptr;
};

} // namespace quadrell
