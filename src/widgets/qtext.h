#pragma once
// Converting between image texts (bytes of the single-byte character set) and QString.
#include <QString>
#include <string>

namespace icevale {

QString toQString(const std::string& bytes);

// Every character of text that has a code; characters without one are dropped.
std::string toBytes(const QString& text);

// text without the characters that have no code in the character set.
QString keepEncodable(const QString& text);

}  // namespace icevale
