#pragma once
// The settings table and its file "vantrel.ini": 100 text items, line k of the
// file is item k. Items are reached by their names (Settings[HighLowFilter]);
// a group of items by its first name and an offset (Settings[LinkCaption + i]).
// Writes go through set(), which moves a change count (generation()) for a
// cache that would need one; no code reads it today. Windows read the items
// when they need them, and the main window is told after every load
// (SetSettingsLoadedHook).

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <span>

inline constexpr int kSettingsCount = 100;
inline const QString kSettingsFile = QStringLiteral("vantrel.ini");

// The items of the settings file by line number. Lines without a name have no
// use and stay empty.
enum SettingsItem : int {
    TitleColour = 1,       // text colour of title labels ("&H000000")
    BodyTextColour = 2,    // text colour of body text
    LabelColour = 3,       // text colour of field labels
    OtherTextColour = 4,   // text colour of other text and text boxes
    BackgroundColour = 5,  // window background ("&H8000000F")
    SkinFlags = 10,        // leading number: 1 pictures, plus 2 colours
    OddEvenFilter = 11,    // leading number: strength of the odd/even rule
    HighLowFilter = 12,    // leading number: strength of the high/low rule
    HistoryFilter = 13,    // leading number: numbers an entry must differ from every draw
    LongRunFilter = 14,    // leading number: the longest run allowed
    BirthDate = 15,        // the player's birth date, any date form the program writes
    SyndicateFile = 16,    // "SMembers.nnn" of the open syndicate, empty when none
    PlayerName = 17,       // the name last typed in the save-entries dialog
    DrawDate = 18,         // draw date of the entries saved last
    PanelsShown = 19,      // "1" when the main window's info panels show
    LinkCaption = 20,      // 20 to 29: captions of WebLinks items 0 to 9
    LinkAddress = 30,      // 30 to 39: their web addresses; 30 is the program's site
    UKDownloadName = 40,   // 40 to 44: names of the downloadable UK lotteries; 45 ends them
    UKDownloadURL = 50,    // 50 to 54: result-file addresses of those lotteries
    OtherDownloadURL = 63, // 63 to 71: result-file addresses of the other lotteries
};
inline constexpr int kWebLinks = 10;
inline constexpr int kUKDownloads = 5;
inline constexpr int kOtherDownloads = 9;

// The item `offset` places after `base` (an item of a group).
constexpr SettingsItem operator+(SettingsItem base, int offset) { return SettingsItem(int(base) + offset); }

// One item of the table: its line, its name and its default.
struct SettingsItemInfo {
    SettingsItem item;
    const char* name;
    QString defaultValue;
};
// Every named item, by line; a group has one row per line ("LinkCaption" for
// 20 to 29).
std::span<const SettingsItemInfo> SettingsItemTable();

class SettingsTable {
public:
    const QString& operator[](SettingsItem item) const { return items_.at(std::size_t(item)); }
    // Changes an item in memory; it reaches the file at the next SaveSettings.
    void set(SettingsItem item, const QString& value);
    // Moves on every change of an item and every load.
    std::uint64_t generation() const { return generation_; }

private:
    friend bool LoadSettings();
    friend void ResetSettings();
    friend bool SaveSettings(QString* error);
    std::array<QString, kSettingsCount + 1> items_;
    std::uint64_t generation_ = 0;
};

extern SettingsTable Settings;

// Reads "vantrel.ini" from the current folder into the items, writing the
// defaults first when the file is missing. Items beyond the file's last line
// keep their values; what follows the 100th line is no item, and is kept as
// it stands for SaveSettings to write back. Then runs the hook
// set by the main window (its WebLinks menu follows the link captions).
// False when the file is there but cannot be read: the items then take their
// defaults in memory, and the file is kept as it is (SaveSettings leaves it
// alone) until a later LoadSettings reads it or finds none.
bool LoadSettings();
// Whether the settings file is being kept because it could not be read.
bool SettingsFileKept();
// Sets every item to its default and writes the file.
void DefaultSettings();
// Writes items 1 to 100, each followed by CR LF, then whatever followed the
// 100th line of the file as last read, unchanged. False when the file was not
// written: it could not be, or it is kept because it could not be read (the
// old file is then left as it was); error (when given) then says which, and
// the system's reason, as a clause ("vantrel.ini could not be written: No
// space left on device").
bool SaveSettings(QString* error = nullptr);

// Run at the end of every LoadSettings.
void SetSettingsLoadedHook(std::function<void()> hook);
// Empties every item.
void ResetSettings();
