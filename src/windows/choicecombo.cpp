#include "windows/choicecombo.h"

#include "core/storedchoice.h"

namespace icevale {

QString unlistedentry(std::uint8_t stored)
{
    return QStringLiteral("Unlisted value %1").arg(stored);
}

void setentries(QComboBox* combo, const QStringList& entries)
{
    bool same = combo->count() == entries.size();
    for (int i = 0; same && i < combo->count(); ++i)
        same = combo->itemText(i) == entries[i];
    if (same)
        return;
    combo->clear();
    combo->addItems(entries);
}

void showstoredchoice(QComboBox* combo, QStringList entries, std::uint8_t stored, int first)
{
    const auto count = static_cast<int>(entries.size());
    if (choiceunlisted(stored, count, first))
        entries << unlistedentry(stored);
    setentries(combo, entries);
    combo->setCurrentIndex(choiceposition(stored, count, first));
}

}  // namespace icevale
