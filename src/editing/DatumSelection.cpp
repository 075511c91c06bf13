// A click on a datum: the document finds the record under the point and shows it in
// the Data Properties window.
#include "editing/DatProp.h"
#include "survey/DatDoc.h"

namespace oskava {

int32_t CDatDoc::ShowDatumProperties(int32_t x, int32_t y) {
    for (int32_t i = 0; i < dataCount && static_cast<size_t>(i) < observations.size(); ++i) {
        const ScreenRect& r = observations[static_cast<size_t>(i)].screenRect;
        if (r.left <= x && x < r.right && r.top <= y && y < r.bottom) {
            selectedDatum = i;
            if (!propertiesDialog) {
                propertiesDialog = std::make_unique<CDatProp>();
            }
            return i;
        }
    }
    return -1;
}

}  // namespace oskava
