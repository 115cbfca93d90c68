#pragma once

#include <QString>
#include <QStringView>

namespace runtime::format {

// Formats a text through a text format (@ & < > !, literals, up to two sections).
QString formatText(const QString& text, QStringView format);

} // namespace runtime::format
