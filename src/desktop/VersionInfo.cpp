#include "desktop/VersionInfo.h"

#include "desktop/Version.h"
#include <QCoreApplication>

namespace qbx {

namespace {

// The product name and description the build gives (CMakeLists.txt), listed
// here so that the translation files carry them; a build with other values
// shows them untranslated.
[[maybe_unused]] constexpr const char *kBuildTexts[] = {
    QT_TRANSLATE_NOOP("VersionInfo", "Кварнис"),
    QT_TRANSLATE_NOOP("VersionInfo", "Кварнис - каталог компакт-дисков, дисков и папок"),
};

} // namespace

TVersionInfo VersionInfoFrom(const QHash<QString, QString> &values)
{
    TVersionInfo info;
    const auto take = [&values](const char *name, QString &field) {
        const QString value = values.value(QString::fromLatin1(name));
        if (!value.isEmpty())
            field = value;
    };
    take("CompanyName", info.CompanyName);
    take("LegalTrademarks", info.LegalTrademarks);
    take("LegalCopyright", info.LegalCopyright);
    take("ProductName", info.ProductName);
    take("ProductVersion", info.ProductVersion);
    take("FileDescription", info.FileDescription);
    take("FileVersion", info.FileVersion);
    take("InternalName", info.InternalName);
    take("OriginalFilename", info.OriginalFilename);
    take("Comments", info.Comments);
    return info;
}

TVersionInfo ReadVersionInfo()
{
    return VersionInfoFrom({
        {QStringLiteral("CompanyName"), QStringLiteral(QBX_COMPANY_NAME)},
        {QStringLiteral("LegalTrademarks"), QStringLiteral(QBX_LEGAL_TRADEMARKS)},
        {QStringLiteral("LegalCopyright"), QStringLiteral(QBX_LEGAL_COPYRIGHT)},
        {QStringLiteral("ProductName"), QCoreApplication::translate("VersionInfo", QBX_PRODUCT_NAME)},
        {QStringLiteral("ProductVersion"), QStringLiteral(QBX_PRODUCT_VERSION)},
        {QStringLiteral("FileDescription"),
         QCoreApplication::translate("VersionInfo", QBX_FILE_DESCRIPTION)},
        {QStringLiteral("FileVersion"), QStringLiteral(QBX_FILE_VERSION)},
        {QStringLiteral("InternalName"), QStringLiteral(QBX_INTERNAL_NAME)},
        {QStringLiteral("OriginalFilename"), QStringLiteral(QBX_ORIGINAL_FILENAME)},
        {QStringLiteral("Comments"), QStringLiteral(QBX_COMMENTS)},
    });
}

QString AboutText(const TVersionInfo &info)
{
    // The maker's notice: the legal notice followed by the trademarks, when given.
    QString notice = info.LegalCopyright;
    if (!info.LegalTrademarks.isEmpty()) {
        if (!notice.isEmpty())
            notice += QLatin1Char(' ');
        notice += info.LegalTrademarks;
    }
    return info.FileDescription + QCoreApplication::translate("VersionInfo", "\rВерсия ") + info.FileVersion +
           QStringLiteral("\r\n\n") + notice + QStringLiteral("\r");
}

} // namespace qbx
