#include "windows/choicecombo.h"

#include "core/storedchoice.h"

namespace icevale {

QString unlistedentry(std::uint8_t stored)
{
    return QStringLiteral("Unlisted value %1").arg(stored);
}

void showstoredchoice(QComboBox* combo, std::uint8_t stored, int entries, int first)
{
    if (choiceunlisted(stored, entries, first))
        combo->addItem(unlistedentry(stored));
    combo->setCurrentIndex(choiceposition(stored, entries, first));
}

}  // namespace icevale
