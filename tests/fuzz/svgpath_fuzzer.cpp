// Feeds arbitrary bytes to the SVG path-data parser. The text sits in a buffer of exactly its
// size, so any read past the view is caught by AddressSanitizer.
#include <PathCoordinates.h>
#include <SvgPathParser.h>

#include <QPainterPath>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
void fail(const char *what)
{
    std::fprintf(stderr, "svgpath_fuzzer: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    // Bytes are read as Latin-1, which reaches the grammar fast; input of even length that
    // starts with 0xff is read as UTF-16 instead, to cover characters beyond it.
    const bool wide = size % 2 == 0 && size > 0 && data[0] == 0xff;
    const size_t length = wide ? size / 2 : size;
    std::unique_ptr<QChar[]> text(new QChar[length ? length : 1]);
    for (size_t i = 0; i < length; ++i)
        text[i]
            = wide ? QChar(char16_t(data[2 * i] | data[2 * i + 1] << 8)) : QChar(char16_t(data[i]));

    QPainterPath path;
    const bool complete = SvgPathParser::parse(QStringView(text.get(), qsizetype(length)), path);
    if (length == 0 && !complete)
        fail("empty text rejected");

    // Trailing white space changes nothing, but gives every number room for the parser's
    // wide reading, which it only does far enough from the end: both readings must agree.
    QString padded = QString(text.get(), int(length));
    padded += QString(64, QLatin1Char(' '));
    QPainterPath paddedPath;
    if (SvgPathParser::parse(padded, paddedPath) != complete)
        fail("trailing white space changed the outcome");
    if (paddedPath.elementCount() != path.elementCount())
        fail("trailing white space changed the element count");
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element a = path.elementAt(i);
        const QPainterPath::Element b = paddedPath.elementAt(i);
        if (a.type != b.type || std::memcmp(&a.x, &b.x, sizeof a.x) != 0
            || std::memcmp(&a.y, &b.y, sizeof a.y) != 0)
            fail("trailing white space changed an element");
    }

    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (!PathCoordinates::isValid(QPointF(e.x, e.y)))
            fail("coordinate outside the path range");
        if (e.isCurveTo()
            && (i + 2 >= path.elementCount()
                || path.elementAt(i + 1).type != QPainterPath::CurveToDataElement
                || path.elementAt(i + 2).type != QPainterPath::CurveToDataElement))
            fail("curve without its two data elements");
    }
    return 0;
}
