// The rules of the "Load Data" dialog: the checks OK makes before the dialog closes,
// and what a file dropped on one of its file-name boxes puts there. The Qt dialog
// only shows what these functions decide.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "survey/OpenRequest.h"

namespace oskava {

/// The file-name box that takes the keyboard focus after a refusal.
enum class LoadDataFocus { Unchanged, DataFile, PredictedFile, TopographyFile };

struct LoadDataRefusal {
    std::string message;  // empty: the entries are accepted
    LoadDataFocus focus = LoadDataFocus::Unchanged;
};

/// Checks the dialog's entries in the order OK checks them: a data type is chosen
/// (checkedType: true DC, false IP, unset neither button checked), the data file is
/// named and exists, then the predicted-data and topography files exist when named.
/// Existence is all that is tested (a folder passes); relative names are taken from
/// the current directory. The first failure is returned, to be shown with
/// MessageKind::Plain while the dialog stays open; on success fields.isDC is set.
LoadDataRefusal CheckLoadData(LoadDataFields& fields, std::optional<bool> checkedType);

/// One item of a drop onto a file-name box.
struct DroppedItem {
    bool localFile = false;  // false for a web address or plain text
    std::string path;        // the local file's whole path, in the file system's bytes
};

/// The text a drop puts in a file-name box: the whole path of the first item, taken
/// only when it is a local file. Unset when the drop is to be ignored.
std::optional<std::string> DroppedFileName(const std::vector<DroppedItem>& items);

/// Byte offset where the file-name part of a path begins: just after its last "/" or
/// backslash, 0 when it has neither. A drop selects from there to the end.
size_t FileNamePartStart(const std::string& path);

}  // namespace oskava
