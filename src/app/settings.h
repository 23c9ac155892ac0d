#pragma once
// What the editor remembers between sessions: the files opened last, the folder the file
// dialog showed last and where each window was. Kept with QSettings under the
// application's reverse-DNS id, in the user's settings (tests point QSettings elsewhere).
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace icevale {

inline constexpr int kRecentFiles = 10;

QStringList recentfiles();
// Puts the path first in the recent files, once, keeping the ten newest.
void addrecentfile(const QString& path);
void clearrecentfiles();

QString lastfolder();
void setlastfolder(const QString& folder);

// Where the window with this objectName was last; none when never stored.
std::optional<QPoint> windowplace(const QString& name);
void setwindowplace(const QString& name, const QPoint& place);

// The top-left corner for a window of `frame` (its outer rectangle) so that it lies on
// one of the screens' available areas: the screen holding its top-left corner, else the
// one it overlaps most, else the first. Moved as little as needed to lie inside it whole;
// a window larger than the screen keeps its top-left corner on it.
QPoint clampedplace(const QRect& frame, const QList<QRect>& screens);

}  // namespace icevale
