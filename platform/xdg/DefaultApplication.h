#pragma once

#include <QString>
#include <QStringList>

namespace platform {

class DesktopEntries;

// The desktop file id of the application that opens mimeType by default, as the mimeapps.list
// files choose it ("" when none does):
// - the first [Default Applications] entry, over the lists in order, that is installed and not
//   removed by the [Removed Associations] of a list before it;
// - failing that, the first such entry of [Added Associations];
// - failing that, the first such application the mimeinfo.cache files of applicationDirs name.
// Desktop-specific lists ("kde-mimeapps.list") only set defaults. With DefaultsOnly the search
// ends after the [Default Applications] entries.
enum class DefaultSearch { DefaultsThenAssociations, DefaultsOnly };
QString findDefaultApplication(const QString& mimeType, const QStringList& mimeAppsLists,
                               const QStringList& applicationDirs, const DesktopEntries& entries,
                               DefaultSearch search = DefaultSearch::DefaultsThenAssociations);

} // namespace platform
