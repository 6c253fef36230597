#include "optionsdialog/OptionsPages.h"

#include "desktop/Help.h"
#include <QCoreApplication>

namespace qbx {

const TOptionsPageDef kGeometryPage = {
    "GeometryTabSheet",
    HcTuningGeometry,
    "GeometryLabel",
    QT_TRANSLATE_NOOP("TOptionsForm", "По умолчанию положение и размеры главного окна, а также ширина его левой и правой панелей "
    "(панели дерева и панели описания) не запоминаются между запусками приложения. Вы можете "
    "отметить, хотите ли вы запоминать эти параметры."),
    nullptr,
    nullptr,
    {},
    1,
    {{"MainGeometryCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Запоминать &положение и размеры главного окна приложения")},
     {"PanelGeometryCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Запоминать &ширину панели дерева (ширину панели описания)")}},
};
const TOptionsPageDef kSizePage = {
    "SizeTabSheet",
    HcTuningSize,
    "SizeLabel",
    QT_TRANSLATE_NOOP("TOptionsForm", "По умолчанию размеры элементов базы данных отображаются так же, как и хранятся - в байтах. "
    "Вы можете выбрать другую единицу измерения размера, или разрешить определять единицу "
    "размера автоматически (так, чтобы получалось число, большее единицы)."),
    "SizeRadioGroup",
    QT_TRANSLATE_NOOP("TOptionsForm", "Единица измерения размера"),
    {QT_TRANSLATE_NOOP("TOptionsForm", "Байты"), QT_TRANSLATE_NOOP("TOptionsForm", "Килобайты (1024 байта)"), QT_TRANSLATE_NOOP("TOptionsForm", "Мегабайты (1024 кбайта)"), QT_TRANSLATE_NOOP("TOptionsForm", "Гигабайты (1024 Мбайта)"),
     QT_TRANSLATE_NOOP("TOptionsForm", "Определять автоматически")},
    2,
    {{"SizeCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Отображать размер, равный нулю, как пустую строку")}},
};
const TOptionsPageDef kSearchPage = {
    "SeachTabSheet",
    HcTuningView,
    "SearchLabel",
    QT_TRANSLATE_NOOP("TOptionsForm", "По умолчанию результаты поиска отображаются в том же виде, что и содержимое базы данных в "
    "режиме редактирования. Вы можете выбрать другой вид представления результатов поиска."),
    "SearchRadioGroup",
    QT_TRANSLATE_NOOP("TOptionsForm", "Представление результатов поиска"),
    {QT_TRANSLATE_NOOP("TOptionsForm", "Стандартные результаты поиска (многоуровневое дерево)"),
     QT_TRANSLATE_NOOP("TOptionsForm", "В виде дерева с группировкой по производителям"), QT_TRANSLATE_NOOP("TOptionsForm", "В виде списка полных путей элементов"),
     QT_TRANSLATE_NOOP("TOptionsForm", "В виде списка оконечных элементов")},
    1,
    {},
};
const TOptionsPageDef kScanPage = {
    "ScanTabSheet",
    HcAddingTree,
    "ScanLabel",
    QT_TRANSLATE_NOOP("TOptionsForm", "При добавлении дерева файлов описания файлов *.mp3 берутся из их тегов ID3. Программа "
    "читает и теги других форматов (FLAC, Ogg Vorbis, Opus, M4A, WMA, APE, WavPack, AIFF, WAV и "
    "других), а также теги MP3, записанные в кодировке UTF-8 или UTF-16. Вы можете отключить "
    "их чтение; тогда такие файлы описываются только по имени."),
    nullptr,
    nullptr,
    {},
    1,
    {{"ExtraTagsCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Читать теги FLAC, Ogg, M4A и других форматов")}},
};

} // namespace qbx
