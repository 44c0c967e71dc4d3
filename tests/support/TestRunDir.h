#pragma once
#include <QString>
#include <QTemporaryDir>

// A fresh copy of the run directory (Settings/ and Source/) in a temporary
// folder, made the program's StartDir for the lifetime of the object.
class TestRunDir {
public:
    TestRunDir();
    ~TestRunDir();
    TestRunDir(const TestRunDir&) = delete;
    TestRunDir& operator=(const TestRunDir&) = delete;

    bool IsValid() const;
    QString Path() const;
    QString File(const QString& relative) const;   // Path() + "/" + relative
    QString SettingsFile() const;                   // Settings/Settings.xml

    // Replaces the catalogue by the given bytes.
    bool WriteSettings(const QByteArray& bytes) const;
    QByteArray ReadSettings() const;

private:
    QTemporaryDir dir;
    QString previousStartDir;
    bool valid = false;
};

// The shipped catalogue as it lies in the source tree.
QByteArray ShippedSettings();
