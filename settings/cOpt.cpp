#include "cOpt.h"

#include "SettingsStore.h"

#include <algorithm>

namespace quadrell {

namespace {
const QString kOptions = QStringLiteral("Options");
// BackColor and BackPicture have always been kept under this spelling.
const QString kAppOtherSpelling = QStringLiteral("QuadRell 2000");
} // namespace

qint16 cOpt::get(const char* key, qint16 fallback) const {
    return store_.GetInt16(kOptions, QLatin1String(key), fallback);
}

// A hand-edited value outside its control's range would stop replay dead or freeze the
// window for seconds a card: every ranged option is read within its control's range.
qint16 cOpt::ticked(const char* key, qint16 fallback) const {
    return static_cast<qint16>(std::clamp<qint16>(get(key, fallback), 0, 1));
}
qint16 cOpt::speed(const char* key, qint16 fallback) const {
    return std::clamp<qint16>(get(key, fallback), kMinSpeed, kMaxSpeed);
}

void cOpt::set(const char* key, qint32 value) {
    store_.SetInt(kOptions, QLatin1String(key), value);
}

qint16 cOpt::RandomIndex() const { return get("RandomIndex", 3); }
void cOpt::SetRandomIndex(qint16 value) { set("RandomIndex", value); }
qint16 cOpt::EnableFlash() const { return ticked("EnableFlash"); }
void cOpt::SetEnableFlash(qint16 value) { set("EnableFlash", value); }
int cOpt::AllowDoubleClick() const { return ticked("AllowDoubleClick"); }
void cOpt::SetAllowDoubleClick(qint16 value) { set("AllowDoubleClick", value); }
qint16 cOpt::EnableUnfinished() const { return ticked("EnableUnfinished"); }
void cOpt::SetEnableUnfinished(qint16 value) { set("EnableUnfinished", value); }
int cOpt::ShowMessages() const { return ticked("ShowMessages"); }
void cOpt::SetShowMessages(qint16 value) { set("ShowMessages", value); }
qint16 cOpt::UndoRedoAllSpeed() const { return speed("UndoRedoAllSpeed", 5); }
void cOpt::SetUndoRedoAllSpeed(qint16 value) { set("UndoRedoAllSpeed", value); }
qint16 cOpt::UndoRedoSpeed() const { return speed("UndoRedoSpeed", 10); }
void cOpt::SetUndoRedoSpeed(qint16 value) { set("UndoRedoSpeed", value); }
int cOpt::CardSpeed() const { return speed("CardSpeed", 30); }
void cOpt::SetCardSpeed(qint16 value) { set("CardSpeed", value); }
int cOpt::FinishByItself() const { return ticked("FinishByItself", 0); }
void cOpt::SetFinishByItself(qint16 value) { set("FinishByItself", value); }
qint16 cOpt::ReduceMotion() const { return ticked("ReduceMotion", 0); }
void cOpt::SetReduceMotion(qint16 value) { set("ReduceMotion", value); }
qint16 cOpt::MarkEveryTarget() const { return ticked("MarkEveryTarget", 1); }
qint16 cOpt::Sounds() const { return ticked("Sounds", 0); }
void cOpt::SetSounds(qint16 value) { set("Sounds", value); }
void cOpt::SetMarkEveryTarget(qint16 value) { set("MarkEveryTarget", value); }
qint16 cOpt::SolutionSpeed() const { return speed("SolutionSpeed", 15); }
void cOpt::SetSolutionSpeed(qint16 value) { set("SolutionSpeed", value); }

qint16 cOpt::ShowTimer() const { return ticked("ShowTimer"); }
void cOpt::SetShowTimer(qint16 value) {
    set("ShowTimer", value);
    if (widgets_) widgets_->TimerShown(value != 0);
}

qint16 cOpt::ShowWinnable() const { return ticked("ShowWinnable", 0); }
qint16 cOpt::ShowDifficulty() const { return ticked("ShowDifficulty", 0); }
void cOpt::SetShowDifficulty(qint16 value) { set("ShowDifficulty", value); }
qint16 cOpt::AskedDifficulty() const { return std::clamp<qint16>(get("AskedDifficulty", 0), 0, 4); }
void cOpt::SetAskedDifficulty(qint16 value) { set("AskedDifficulty", value); }
void cOpt::SetShowWinnable(qint16 value) { set("ShowWinnable", value); }

qint16 cOpt::HighContrast() const { return ticked("HighContrast", 0); }
void cOpt::SetHighContrast(qint16 value) { set("HighContrast", value); }

qint16 cOpt::ShowStatusbar() const { return ticked("ShowStatusbar"); }
void cOpt::SetShowStatusbar(qint16 value) {
    set("ShowStatusbar", value);
    if (widgets_) widgets_->StatusbarShown(value != 0);
}

qint16 cOpt::ShowToolbar() const { return ticked("ShowToolbar"); }
void cOpt::SetShowToolbar(qint16 value) {
    set("ShowToolbar", value);
    if (widgets_) widgets_->ToolbarShown(value != 0);
}

bool cOpt::BackPicEnable() const {
    return store_.GetBool(kOptions, QStringLiteral("BackPicEnable"), false);
}
void cOpt::SetBackPicEnable(bool value) {
    store_.SetBool(kOptions, QStringLiteral("BackPicEnable"), value);
}

qint32 cOpt::BackColor() const {
    const QString text = store_.GetSetting(
        kAppOtherSpelling, kOptions, QStringLiteral("BackColor"), QStringLiteral("8404992"));
    return SettingsStore::ToInt32(text).value_or(8404992);
}
void cOpt::SetBackColor(qint32 value) {
    store_.SaveSetting(
        kAppOtherSpelling, kOptions, QStringLiteral("BackColor"), QString::number(value));
}

QString cOpt::BackPicture() const {
    return store_.GetSetting(kAppOtherSpelling, kOptions, QStringLiteral("BackPicture"), QString());
}
void cOpt::SetBackPicture(const QString& value) {
    if (widgets_)
        widgets_->BackPictureChosen(value); // the picture is loaded before the path is kept
    store_.SaveSetting(kAppOtherSpelling, kOptions, QStringLiteral("BackPicture"), value);
}

qint16 cOpt::FwdBackSpeed() const { return speed("FwdBackSpeed", 50); }
void cOpt::SetFwdBackSpeed(qint16 value) {
    set("FwdBackSpeed", value);
    if (widgets_) widgets_->ReplayIntervalChanged(value * 10);
}

GeneralPage cOpt::GeneralInit() const {
    const qint16 index = RandomIndex();
    return GeneralPage { index >= 1 && index <= 3 ? index : 0,
        static_cast<qint16>(AllowDoubleClick()), static_cast<qint16>(ShowMessages()), EnableFlash(),
        EnableUnfinished() };
}

void cOpt::SaveGeneral(
    qint16 doubleClick, qint16 messages, qint16 enFlash, qint16 unfinished, int range) {
    SetAllowDoubleClick(doubleClick);
    SetShowMessages(messages);
    SetEnableFlash(enFlash);
    SetEnableUnfinished(unfinished);
    if (range >= 1 && range <= 3) SetRandomIndex(static_cast<qint16>(range));
}

std::array<qint16, 4> cOpt::SliderInit() const {
    return { static_cast<qint16>(CardSpeed()), UndoRedoSpeed(), UndoRedoAllSpeed(),
        FwdBackSpeed() };
}

void cOpt::SaveSlider(qint16 cardSpeed, qint16 urSpeed, qint16 urAllSpeed, qint16 fbSpeed) {
    SetCardSpeed(cardSpeed);
    SetUndoRedoSpeed(urSpeed);
    SetUndoRedoAllSpeed(urAllSpeed);
    SetFwdBackSpeed(fbSpeed);
}

BackgroundPage cOpt::BackGroundInit() const {
    return BackgroundPage { BackPicEnable(), BackPicture(), BackColor() };
}

void cOpt::SaveColor(qint32 colour, const QString& picture, bool pictureEnabled) {
    SetBackColor(colour);
    SetBackPicture(picture);
    SetBackPicEnable(pictureEnabled);
    UpdateBG();
}

void cOpt::UpdateBG() {
    if (widgets_) widgets_->BackgroundChanged();
}

qint32 cOpt::GetRandomLimit() const {
    switch (RandomIndex()) {
    case 1:
        return 40000;
    case 2:
        return 640000;
    case 3:
        return 3240000;
    default:
        return 0;
    }
}

} // namespace quadrell
