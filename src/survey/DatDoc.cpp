#include "survey/DatDoc.h"

namespace oskava {

CDatDoc::CDatDoc(Prompts& prompts) : Document(prompts) { BindCommands(); }

CDatDoc::~CDatDoc() { ClearData(); }

void CDatDoc::ClearData() {
    observations.clear();
    observations.shrink_to_fit();
    topoDepth.clear();
    topoX.clear();
    topoReference = 0;
    topographyImported = false;
    imported = false;
    propertiesDialog.reset();
    journal().Clear();
}

void CDatDoc::SetPathName(const std::string& path) {
    Document::SetPathName(path);
    SetTitle(path);
}

}  // namespace oskava
