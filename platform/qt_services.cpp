#include "platform/qt_services.h"

#include "platform/fonts.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

namespace velmora::platform {

QString programTitle() { return QStringLiteral("Velmora"); }

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, programTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setLayoutDirection(Qt::RightToLeft);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("موافق"));
    box.exec();
}

bool QtDialogs::confirm(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setLayoutDirection(Qt::RightToLeft);
    box.setDefaultButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("نعم"));
    box.button(QMessageBox::No)->setText(QStringLiteral("لا"));
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::inputText(const QString& prompt, const QString& title,
                                            const QString& initial) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("موافق"));
    dialog.setCancelButtonText(QStringLiteral("إلغاء"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void QtModalOpener::openModal(QDialog& window) { window.exec(); }

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

TimeSeededRandom::TimeSeededRandom()
    : engine_(static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay()) ^
              static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())) {}

double TimeSeededRandom::next() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

void ImmediateExiter::exitNow(int code) {
    std::fflush(nullptr);
    std::_Exit(code);
}

namespace {

double twipsToPixels(int twips, int dpi) { return twips * dpi / 1440.0; }

// A PDF in the user's documents folder, for machines with no printer installed.
QString pdfPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        dir = QDir::homePath();
    return dir + QStringLiteral("/Velmora-") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral(".pdf");
}

bool havePrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

} // namespace

void renderDocument(const PrintDocument& document, QPainter& painter, QPagedPaintDevice& device) {
    const QFont font = printFont();
    painter.setFont(font);
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.setPen(QPen(Qt::black, 0));
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    const QRect area(0, 0, device.width(), device.height());
    const QFontMetrics metrics(font, &device);
    bool pendingPage = false;
    for (const auto& op : document.ops) {
        if (std::holds_alternative<NewPageOp>(op)) {
            pendingPage = true; // broken only when something is drawn after it
            continue;
        }
        if (pendingPage) {
            device.newPage();
            pendingPage = false;
        }
        if (const auto* text = std::get_if<TextOp>(&op)) {
            const double right = area.right() - twipsToPixels(text->x, dpiX);
            const double top = area.top() + twipsToPixels(text->y, dpiY);
            const QRectF box(area.left(), top, right - area.left(), metrics.height());
            QTextOption option(Qt::AlignRight | Qt::AlignTop);
            option.setTextDirection(Qt::RightToLeft);
            option.setWrapMode(QTextOption::NoWrap);
            painter.drawText(box, text->text, option);
        } else if (const auto* line = std::get_if<LineOp>(&op)) {
            painter.drawLine(QPointF(area.right() - twipsToPixels(line->x1, dpiX),
                                     area.top() + twipsToPixels(line->y1, dpiY)),
                             QPointF(area.right() - twipsToPixels(line->x2, dpiX),
                                     area.top() + twipsToPixels(line->y2, dpiY)));
        }
    }
}

bool SystemPrinter::print(const PrintDocument& document) {
    if (havePrinter()) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer.setDocName(document.title);
        QPainter painter;
        if (painter.begin(&printer)) {
            renderDocument(document, painter, printer);
            painter.end();
            return true;
        }
    }
    const QString path = pdfPath();
    QPdfWriter writer(path);
    writer.setTitle(document.title);
    writer.setResolution(600);
    QPainter painter;
    if (!painter.begin(&writer)) {
        dialogs_.message(QStringLiteral("تعذرت الطباعة: لا توجد طابعة ولم يمكن حفظ الملف ") + path);
        return false;
    }
    renderDocument(document, painter, writer);
    painter.end();
    dialogs_.message(QStringLiteral("لا توجد طابعة معرفة، فحُفظ التقرير في الملف:\n") + path);
    return true;
}

bool SystemPrinter::printImage(const QImage& image) {
    auto draw = [&image](QPainter& painter, QPagedPaintDevice& device) {
        const QRect area(0, 0, device.width(), device.height());
        const QSize size = image.size().scaled(area.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRect(area.topLeft(), size), image);
    };
    if (havePrinter()) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        QPainter painter;
        if (painter.begin(&printer)) {
            draw(painter, printer);
            return true;
        }
    }
    const QString path = pdfPath();
    QPdfWriter writer(path);
    QPainter painter;
    if (!painter.begin(&writer)) {
        dialogs_.message(QStringLiteral("تعذرت الطباعة: لا توجد طابعة ولم يمكن حفظ الملف ") + path);
        return false;
    }
    draw(painter, writer);
    painter.end();
    dialogs_.message(QStringLiteral("لا توجد طابعة معرفة، فحُفظت الصورة في الملف:\n") + path);
    return true;
}

} // namespace velmora::platform
