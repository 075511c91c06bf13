#include "formats/ForeignFormat.h"

namespace oskava {

const char* FormatKey(ForeignFormat format) {
    switch (format) {
        case ForeignFormat::Unified:
            return "unified";
        case ForeignFormat::Res2DInv:
            return "res2dinv";
        case ForeignFormat::Syscal:
            break;
    }
    return "syscal";
}

std::optional<ForeignFormat> FormatFromKey(const std::string& key) {
    for (const ForeignFormat format :
         {ForeignFormat::Unified, ForeignFormat::Res2DInv, ForeignFormat::Syscal}) {
        if (key == FormatKey(format)) {
            return format;
        }
    }
    return std::nullopt;
}

const char* FormatName(ForeignFormat format) {
    switch (format) {
        case ForeignFormat::Unified:
            return "unified data format";
        case ForeignFormat::Res2DInv:
            return "Res2DInv file";
        case ForeignFormat::Syscal:
            break;
    }
    return "Syscal Prosys text export";
}

}  // namespace oskava
