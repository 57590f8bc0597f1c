#pragma once
// The real seams: Qt dialogs, the system clock, a time-seeded random source, the system
// printer (or a PDF when none is installed) and immediate exit.

#include "platform/services.h"

#include <random>

class QPainter;
class QPagedPaintDevice;

namespace velmora::platform {

class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    bool confirm(const QString& text, const QString& title) override;
    std::optional<QString> inputText(const QString& prompt, const QString& title,
                                     const QString& initial) override;
};

class QtModalOpener final : public ModalOpener {
public:
    void openModal(QDialog& window) override;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
};

class TimeSeededRandom final : public RandomSource {
public:
    TimeSeededRandom();
    double next() override;

private:
    std::mt19937_64 engine_;
};

class SystemPrinter final : public Printer {
public:
    explicit SystemPrinter(Dialogs& dialogs) : dialogs_(dialogs) {}
    bool print(const PrintDocument& document) override;
    bool printImage(const QImage& image) override;

private:
    Dialogs& dialogs_;
};

class ImmediateExiter final : public Exiter {
public:
    void exitNow(int code) override;
};

// Draws a document's operations on a painter whose device is paged (printer or PDF).
// newPage is called for each page break that has something drawn after it.
void renderDocument(const PrintDocument& document, QPainter& painter, QPagedPaintDevice& device);

// The title shown on message boxes and windows.
QString programTitle();

} // namespace velmora::platform
