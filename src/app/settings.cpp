#include "app/settings.h"

#include <QSettings>

namespace icevale {
namespace {

// The id of the desktop entry and the metadata: one settings file of that name.
const QString kSettingsId = QStringLiteral("io.github.icevale.Editor");

QSettings store() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsId); }

const QString kRecent = QStringLiteral("recentFiles");
const QString kFolder = QStringLiteral("lastFolder");

QString placekey(const QString& name) { return QStringLiteral("windows/") + name; }

}  // namespace

QStringList recentfiles() { return store().value(kRecent).toStringList().mid(0, kRecentFiles); }

void addrecentfile(const QString& path)
{
    QStringList files = recentfiles();
    files.removeAll(path);
    files.prepend(path);
    store().setValue(kRecent, files.mid(0, kRecentFiles));
}

void clearrecentfiles() { store().remove(kRecent); }

QString lastfolder() { return store().value(kFolder).toString(); }
void setlastfolder(const QString& folder) { store().setValue(kFolder, folder); }

std::optional<QPoint> windowplace(const QString& name)
{
    const QVariant place = store().value(placekey(name));
    if (!place.canConvert<QPoint>() || place.isNull())
        return std::nullopt;
    return place.toPoint();
}

void setwindowplace(const QString& name, const QPoint& place) { store().setValue(placekey(name), place); }

QPoint clampedplace(const QRect& frame, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return frame.topLeft();
    QRect screen = screens.first();
    qint64 overlap = -1;
    for (const QRect& candidate : screens) {
        const QRect common = candidate.intersected(frame);
        const qint64 area = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        if (candidate.contains(frame.topLeft())) {
            screen = candidate;
            break;
        }
        if (area > overlap) {
            overlap = area;
            screen = candidate;
        }
    }
    const auto fit = [](int start, int length, int low, int size) {
        return std::max(low, std::min(start, low + size - length));
    };
    return {fit(frame.left(), frame.width(), screen.left(), screen.width()),
            fit(frame.top(), frame.height(), screen.top(), screen.height())};
}

}  // namespace icevale
