#pragma once
// A print job as drawing operations in twips (1/1440 inch), right to left: x runs from the
// right edge of the printable area leftwards and a text's right end stands at x; y is the
// top of the text. All text is "Arabic Transparent" at 12 points.

#include <QString>

#include <variant>
#include <vector>

namespace velmora::platform {

struct TextOp {
    int x = 0;
    int y = 0;
    QString text;
    bool operator==(const TextOp&) const = default;
};

struct LineOp {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const LineOp&) const = default;
};

struct NewPageOp {
    bool operator==(const NewPageOp&) const = default;
};

using DrawOp = std::variant<TextOp, LineOp, NewPageOp>;

struct PrintDocument {
    QString title;
    std::vector<DrawOp> ops;

    void text(int x, int y, const QString& value) { ops.emplace_back(TextOp{x, y, value}); }
    void line(int x1, int y1, int x2, int y2) { ops.emplace_back(LineOp{x1, y1, x2, y2}); }
    void newPage() { ops.emplace_back(NewPageOp{}); }
};

} // namespace velmora::platform
