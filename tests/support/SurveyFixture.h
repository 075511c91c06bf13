// A survey document with scripted answers and a scratch folder: the setting of the
// tests of the readers, the writer and the file commands.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/DatDoc.h"

namespace oskava::test {

class SurveyFixture : public ::testing::Test {
  protected:
    TempDir dir;
    ScriptedPrompts prompts;
    CDatDoc doc{prompts};

    /// The messages shown since the last call.
    std::vector<ShownMessage> Shown() { return std::exchange(prompts.messages, {}); }
    /// One warning, as the readers and the writer show their failures.
    static std::vector<ShownMessage> Warning(const std::string& text) {
        return {{text, MessageKind::Warning}};
    }
};

}  // namespace oskava::test
