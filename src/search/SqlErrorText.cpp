#include "search/SqlErrorText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <utility>

namespace qbx {

namespace {

// What the parser expected, as it names it.
QString Expected(const QString &what)
{
    static const std::array<std::pair<const char *, const char *>, 8> words{{
        {"the table file name in quotes", QT_TRANSLATE_NOOP("SqlErrorText", "имя файла таблицы в кавычках")},
        {"the escape character in quotes", QT_TRANSLATE_NOOP("SqlErrorText", "знак экранирования в кавычках")},
        {"a comparison operator, LIKE or IS", QT_TRANSLATE_NOOP("SqlErrorText", "знак сравнения, LIKE или IS")},
        {"a field name after \".\"", QT_TRANSLATE_NOOP("SqlErrorText", "имя поля после «.»")},
        {"\"(\" after UPPER", QT_TRANSLATE_NOOP("SqlErrorText", "«(» после UPPER")},
        {"a field name, a string or a number", QT_TRANSLATE_NOOP("SqlErrorText", "имя поля, строка или число")},
        {"a number after the sign", QT_TRANSLATE_NOOP("SqlErrorText", "число после знака")},
        {"end of statement", QT_TRANSLATE_NOOP("SqlErrorText", "конец условия")},
    }};
    for (const auto &[english, russian] : words) {
        if (what == QLatin1String(english))
            return QCoreApplication::translate("SqlErrorText", russian);
    }
    return what; // a keyword or a quoted character: the same in any language
}

// A lexeme as the parser names it: the end, a string constant or the text.
QString Lexeme(const QString &what)
{
    if (what == QLatin1String("end of statement"))
        return QCoreApplication::translate("SqlErrorText", "конец условия");
    if (what.startsWith(QLatin1String("string ")))
        return QCoreApplication::translate("SqlErrorText", "строка ") + what.mid(7);
    return what;
}

QString Translate(const QString &problem)
{
    struct Form {
        QRegularExpression pattern;
        QString (*text)(const QRegularExpressionMatch &);
    };
    static const Form forms[] = {
        {QRegularExpression(QStringLiteral("^Expected (.*?) but found (.*)$")),
         [](const QRegularExpressionMatch &m) {
             return QCoreApplication::translate("SqlErrorText", "ожидалось %1, а найдено: %2")
                 .arg(Expected(m.captured(1)), Lexeme(m.captured(2)));
         }},
        {QRegularExpression(QStringLiteral("^Unexpected (.*) after the condition$")),
         [](const QRegularExpressionMatch &m) {
             return QCoreApplication::translate("SqlErrorText", "лишнее после условия: %1").arg(Lexeme(m.captured(1)));
         }},
        {QRegularExpression(QStringLiteral("^Unknown field (.*)$")),
         [](const QRegularExpressionMatch &m) {
             return QCoreApplication::translate("SqlErrorText", "неизвестное поле %1").arg(m.captured(1));
         }},
        {QRegularExpression(QStringLiteral("^Field (.*) lies outside the record$")),
         [](const QRegularExpressionMatch &m) {
             return QCoreApplication::translate("SqlErrorText", "поле %1 лежит за пределами записи").arg(m.captured(1));
         }},
        {QRegularExpression(QStringLiteral("^Invalid number (.*)$")),
         [](const QRegularExpressionMatch &m) {
             return QCoreApplication::translate("SqlErrorText", "неверное число %1").arg(m.captured(1));
         }},
        {QRegularExpression(QStringLiteral("^Invalid character with code (\\d+)$")),
         [](const QRegularExpressionMatch &m) {
             return QCoreApplication::translate("SqlErrorText", "недопустимый символ с кодом %1").arg(m.captured(1));
         }},
        {QRegularExpression(QStringLiteral("^Invalid character (.*)$")),
         [](const QRegularExpressionMatch &m) {
             return QCoreApplication::translate("SqlErrorText", "недопустимый символ %1").arg(m.captured(1));
         }},
    };
    for (const Form &form : forms) {
        const QRegularExpressionMatch m = form.pattern.match(problem);
        if (m.hasMatch())
            return form.text(m);
    }
    static const std::array<std::pair<const char *, const char *>, 8> fixed{{
        {"Condition nested too deeply", QT_TRANSLATE_NOOP("SqlErrorText", "условие вложено слишком глубоко")},
        {"The escape character must be one character", QT_TRANSLATE_NOOP("SqlErrorText", "знак экранирования должен быть одним символом")},
        {"UPPER needs a text value", QT_TRANSLATE_NOOP("SqlErrorText", "UPPER применяется только к тексту")},
        {"LIKE needs a text value", QT_TRANSLATE_NOOP("SqlErrorText", "LIKE применяется только к тексту")},
        {"The LIKE pattern must be a string constant", QT_TRANSLATE_NOOP("SqlErrorText", "образец LIKE должен быть строкой в кавычках")},
        {"Type mismatch in comparison", QT_TRANSLATE_NOOP("SqlErrorText", "сравниваются значения разных типов")},
        {"Number out of range", QT_TRANSLATE_NOOP("SqlErrorText", "число вне допустимых пределов")},
        {"Unterminated string constant", QT_TRANSLATE_NOOP("SqlErrorText", "строка не закрыта кавычкой")},
    }};
    for (const auto &[english, russian] : fixed) {
        if (problem == QLatin1String(english))
            return QCoreApplication::translate("SqlErrorText", russian);
    }
    return QCoreApplication::translate("SqlErrorText", "неверное условие");
}

} // namespace

TSqlProblem SqlProblem(const QString &engineMessage)
{
    static const QRegularExpression at(QStringLiteral("^(.*) at position (\\d+)\\.?$"),
                                       QRegularExpression::DotMatchesEverythingOption);
    TSqlProblem problem;
    QString text = engineMessage.trimmed();
    const QRegularExpressionMatch m = at.match(text);
    if (m.hasMatch()) {
        text = m.captured(1);
        problem.position = m.captured(2).toLongLong();
    } else if (text.endsWith(u'.')) {
        text.chop(1);
    }
    problem.text = Translate(text);
    return problem;
}

} // namespace qbx
