#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace qbx {

// The editor's fields in tab order; FirstControl names the one that gets the
// focus when the editor opens.
enum TEditField : int {
    FieldLabel,
    FieldPath,
    FieldProducer,
    FieldProduct,
    FieldVersion,
    FieldSize,
    FieldDescr,
};

// Values the description editor is given and gives back.
struct TEditValues {
    QString Label; // disc label (read-only)
    QString Path;  // item path below the disc, "\\" at the end for a folder
    QString Producer;
    QString Product;
    QString Version;
    int64_t Size = -1; // bytes; -1 when there is none or the selected sizes differ
    QString Descr;
    TEditField FirstControl = FieldProducer;
    // Set when the editor closes with OK.
    bool DescrChanged = false; // a description value differs from the one shown
    uint8_t KindChange = 0;    // 0 none, 1 the items become files, 2 folders
};

// The description editor shown modally: false when it was cancelled. The
// window shows TEditForm; tests answer from a script.
class IDescriptionEditor {
public:
    virtual ~IDescriptionEditor() = default;
    virtual bool Execute(TEditValues &values) = 0;
};

// Units of the editor's size: bytes, kilobytes, megabytes, gigabytes.
inline constexpr int kEditSizeUnits = 4;
inline constexpr int64_t kEditUnitFactor[kEditSizeUnits] = {1, 1024, 1048576, 1073741824};
inline constexpr int kEditSizeMax = 2147483647;

// The size number and unit shown for a size in bytes (-1: none) under the
// SizeUnit option (0..3 fixed, 4 by magnitude, anything else bytes); rounded
// to the nearest whole number of units, halves to the even one, and held
// within what the editor's number can show.
struct TShownSize {
    int Number = 0;
    int Unit = 0;
    bool operator==(const TShownSize &) const = default;
};
TShownSize FormatSize(int64_t bytes, int sizeUnit);

// What the editor's controls hold.
struct TEditControls {
    QString Path;
    QString Producer;
    QString Product;
    QString Version;
    TShownSize Size;
    QString Descr;
};

// The editor's logic, apart from its widgets: what it shows at opening,
// whether OK is enabled, the folder box, and the values OK gives back.
class TEditFormLogic {
public:
    // FormShow: the controls for the given values.
    TEditControls Show(TEditValues &values, int sizeUnit);
    // EditChange: OK is enabled exactly when something differs from what was shown.
    bool Differs(const TEditControls &c) const;
    // FolderCheckBoxClick: the path with its trailing "\\" as the box says.
    static QString FolderPath(const QString &path, bool folder);
    // OKButtonClick: the values given back. Nothing (and the values
    // untouched) when a typed text holds characters the catalogue cannot
    // store; the editor then stays open.
    bool Accept(const TEditControls &c, TEditValues &values) const;

private:
    TEditValues given_;
    TShownSize shown_;
};

} // namespace qbx
