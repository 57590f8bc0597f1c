#pragma once
// Recording stand-ins for every seam, for tests: nothing blocks, every question is answered
// from a script, and every message, window, print job and exit is recorded.

#include "platform/services.h"

#include <QDialog>

#include <deque>
#include <functional>
#include <vector>

namespace velmora::platform::testing {

class FakeDialogs final : public Dialogs {
public:
    void message(const QString& text) override {
        messages.push_back(text);
        if (onMessage)
            onMessage(text);
    }
    bool confirm(const QString& text, const QString& title) override {
        confirmations.push_back(text);
        (void)title;
        if (confirmAnswers.empty())
            return false; // No is the default button
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    std::optional<QString> inputText(const QString& prompt, const QString& title,
                                     const QString& initial) override {
        prompts.push_back(prompt);
        (void)title;
        (void)initial;
        if (inputAnswers.empty())
            return std::nullopt; // Cancel
        const bool cancelled = !inputAnswers.front().has_value();
        const QString text = cancelled ? QString() : *inputAnswers.front();
        inputAnswers.pop_front();
        if (cancelled)
            return std::nullopt;
        return text;
    }

    std::vector<QString> messages;
    std::vector<QString> confirmations;
    std::vector<QString> prompts;
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    // Runs while a message is "up": what the window shows at that moment can be checked.
    std::function<void(const QString&)> onMessage;
};

// Records each window opened; onOpen may work the window before it "closes".
class FakeModalOpener final : public ModalOpener {
public:
    void openModal(QDialog& window) override {
        opened.push_back(window.objectName());
        if (onOpen)
            onOpen(window);
    }
    std::vector<QString> opened;
    std::function<void(QDialog&)> onOpen;
};

class FakeClock final : public Clock {
public:
    QDateTime now() const override { return current; }
    QDateTime current{QDate(2026, 12, 9), QTime(9, 15, 30)};
};

// Returns the scripted values in turn, then 0.
class FakeRandom final : public RandomSource {
public:
    double next() override {
        if (values.empty())
            return 0.0;
        const double v = values.front();
        values.pop_front();
        return v;
    }
    std::deque<double> values;
};

class FakePrinter final : public Printer {
public:
    bool print(const PrintDocument& document) override {
        documents.push_back(document);
        return true;
    }
    bool printImage(const QImage& image) override {
        images.push_back(image);
        return true;
    }
    std::vector<PrintDocument> documents;
    std::vector<QImage> images;
};

// Records the exit; the caller returns as it would after a real exit.
class FakeExiter final : public Exiter {
public:
    void exitNow(int code) override { exits.push_back(code); }
    std::vector<int> exits;
};

class FakeInstanceGuard final : public InstanceGuard {
public:
    bool acquire(const std::filesystem::path&) override { return !otherRunning; }
    bool otherRunning = false;
};

struct FakeServices {
    FakeDialogs dialogs;
    FakeModalOpener modal;
    FakeClock clock;
    FakeRandom random;
    FakePrinter printer;
    FakeExiter exiter;
    FakeInstanceGuard instance;

    Services services() { return {dialogs, modal, clock, random, printer, exiter, instance}; }
};

} // namespace velmora::platform::testing
