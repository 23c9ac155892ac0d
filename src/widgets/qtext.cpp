#include "widgets/qtext.h"

#include "core/charset.h"

namespace icevale {

QString toQString(const std::string& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes)
        text.append(QChar(bytetochar(static_cast<std::uint8_t>(c))));
    return text;
}

std::string toBytes(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (const auto b = chartobyte(c.unicode()))
            bytes.push_back(static_cast<char>(*b));
    }
    return bytes;
}

QString keepEncodable(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (chartobyte(c.unicode()))
            kept.append(c);
    }
    return kept;
}

}  // namespace icevale
