#include "platform/qt_services.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include <filesystem>

using namespace velmora::platform;

namespace {

int pagesOf(const PrintDocument& document, const char* name) {
    const QString path = QString::fromUtf8(VELMORA_TEST_TMP) + QLatin1Char('/') +
                         QString::fromLatin1(name);
    {
        QPdfWriter writer(path);
        QPainter painter(&writer);
        renderDocument(document, painter, writer);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                            pdf.count("/Type /Page ") + pdf.count("/Type /Page>") +
                            pdf.count("/Type /Page/"));
}

} // namespace

TEST(Printing, PageBreaksCountOnlyWhenSomethingFollows) {
    PrintDocument oneFullPage;
    for (int row = 0; row < 34; ++row)
        oneFullPage.text(500, 1500 + 400 * row, QString::number(row + 1));
    oneFullPage.newPage(); // a break after the last row leaves no empty page
    EXPECT_EQ(pagesOf(oneFullPage, "one.pdf"), 1);

    PrintDocument twoPages = oneFullPage;
    twoPages.text(500, 900, QStringLiteral("35"));
    twoPages.line(0, 800, 11000, 800);
    EXPECT_EQ(pagesOf(twoPages, "two.pdf"), 2);
}
