// Helpers of the Qt fault tests: reading the settings file as a later start would, answering real
// message boxes, and a program instance that edits a shared settings file from its own process.
#pragma once

#include <QMessageBox>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <map>
#include <string>
#include <vector>

namespace quire::qt::test {

// The first argument that turns the test executable into an editing program instance.
inline constexpr const char* kEditInstanceOption = "--edit-instance";

// Arguments: SETTINGS_FILE NAME KEYS EDITS READY_FILE GO_FILE. Starts the program on the settings
// file, creates READY_FILE, waits for GO_FILE, then types EDITS texts "NAME-<i>" into each box
// named in KEYS (comma separated: Text1, Text2, Text3). Ends with 0, or 3 when a message box was
// shown.
int RunEditInstance(const QStringList& arguments);

// What a settings file holds in the product's group, read by Qt as the program reads it.
struct StoredSettings {
    QSettings::Status status = QSettings::NoError;
    std::map<std::string, std::string> values;  // key -> text
};
StoredSettings ReadStored(const QString& file);

// Whether the file is UTF-8 without NULs and every line is a group header, a key=value line or
// blank: what Qt writes.
bool IsCleanIniFile(const QString& file);

// Answers every real message box as it opens (OK, or No on a question) and keeps its text.
class RealBoxAnswerer {
public:
    RealBoxAnswerer();
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };
    const std::vector<Box>& Boxes() const { return boxes_; }

private:
    QTimer timer_;
    std::vector<Box> boxes_;
};

}  // namespace quire::qt::test
