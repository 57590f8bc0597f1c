#pragma once
// What the program asks of the machine and the user, as interfaces: the windows' logic
// talks only to these, so tests can answer every question without a real dialog.

#include "platform/print_document.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <filesystem>
#include <optional>

class QDialog;

namespace velmora::platform {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with an OK button.
    virtual void message(const QString& text) = 0;
    // A Yes/No question with No as the default button; true for Yes.
    virtual bool confirm(const QString& text, const QString& title) = 0;
    // A text input dialog: the typed text (possibly empty) on OK, nothing on Cancel.
    virtual std::optional<QString> inputText(const QString& prompt, const QString& title,
                                             const QString& initial) = 0;
};

// Shows a window modally: returns when the user has closed it.
class ModalOpener {
public:
    virtual ~ModalOpener() = default;
    virtual void openModal(QDialog& window) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// Uniform random numbers in [0, 1), seeded from the time of day.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Prints one job; false (after telling the user) when it could not be printed.
    virtual bool print(const PrintDocument& document) = 0;
    // Prints a picture of a window, scaled to the page.
    virtual bool printImage(const QImage& image) = 0;
};

// Ends the process now, without returning to the event loop.
class Exiter {
public:
    virtual ~Exiter() = default;
    virtual void exitNow(int code) = 0;
};

// Tells whether another instance already runs on a data folder.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // True when this process is now the only one using the folder.
    virtual bool acquire(const std::filesystem::path& dataFolder) = 0;
};

// The seams handed to every window.
struct Services {
    Dialogs& dialogs;
    ModalOpener& modal;
    Clock& clock;
    RandomSource& random;
    Printer& printer;
    Exiter& exiter;
    InstanceGuard& instance;
};

} // namespace velmora::platform
