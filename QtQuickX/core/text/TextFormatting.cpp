#include "TextFormatting.h"

#include <random>

namespace TextFormatting {

QString incrementNumberedName(const QString &name)
{
    int digitsStart = name.size();
    while (digitsStart > 0 && name.at(digitsStart - 1).isDigit()
        && name.at(digitsStart - 1).unicode() < 128)
        --digitsStart;
    if (digitsStart == name.size())
        return name + QLatin1Char('0');

    // Decimal carry over the text, so a run of any length counts on without overflowing.
    QString next = name;
    int position = next.size() - 1;
    while (position >= digitsStart && next.at(position) == QLatin1Char('9')) {
        next[position] = QLatin1Char('0');
        --position;
    }
    if (position < digitsStart)
        next.insert(digitsStart, QLatin1Char('1'));
    else
        next[position] = QChar(next.at(position).unicode() + 1);
    return next;
}

namespace {

void appendPart(QString *text, qint64 value, const char *separator)
{
    if (text->isEmpty())
        text->append(QString::number(value));
    else
        text->append(QString::number(value).rightJustified(2, QLatin1Char('0')));
    if (separator)
        text->append(QLatin1String(separator));
}

} // namespace

QString formatTimeInterval(qint64 milliseconds)
{
    QString text;
    // Unsigned, so that the most negative value has a magnitude too.
    quint64 rest = quint64(milliseconds);
    if (milliseconds < 0) {
        text.append(QLatin1Char('-'));
        rest = 0 - rest;
    }
    const quint64 days = rest / 86400000;
    rest %= 86400000;
    if (days > 0)
        text.append(QString::number(days) + QLatin1Char('.'));
    const quint64 hours = rest / 3600000;
    rest %= 3600000;
    if (hours > 0 || !text.isEmpty())
        appendPart(&text, qint64(hours), ":");
    appendPart(&text, qint64(rest / 60000), ":");
    appendPart(&text, qint64((rest % 60000) / 1000), nullptr);
    return text;
}

QString randomString(int length)
{
    static const char alphabet[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    const quint32 alphabetSize = sizeof(alphabet) - 1;
    // Draws in the incomplete top remainder of the 32-bit range would favour the first letters.
    const quint32 unbiasedLimit = quint32(0x100000000ULL - (0x100000000ULL % alphabetSize));
    std::random_device device;
    QString text;
    text.reserve(qMax(length, 0));
    for (int i = 0; i < length; ++i) {
        quint32 draw = 0;
        do {
            draw = quint32(device());
        } while (draw >= unbiasedLimit);
        text.append(QLatin1Char(alphabet[draw % alphabetSize]));
    }
    return text;
}

} // namespace TextFormatting
