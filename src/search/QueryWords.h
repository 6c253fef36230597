#pragma once

#include <QString>
#include <QStringList>

namespace qbx {

// The query editor keeps its words (logic captions, field names, operators,
// size units) as query files hold them, in Russian, whatever the language of
// the window. These give what the editor shows for them in the user's
// language; a word or caption they do not know is shown as it is.
QString ShownQueryWord(const QString &word);
QStringList ShownQueryWords(const QStringList &words);
// A node's caption as the query tree shows it: a logic caption by its word,
// a comparison with its field, operator and unit shown and its value as
// typed.
QString ShownQueryCaption(const QString &caption);

} // namespace qbx
