// A Prompts fake for tests: records every message and question in order and answers
// from a script.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/DataFilter.h"
#include "formats/FormatCommands.h"
#include "survey/DatProp.h"
#include "survey/Prompts.h"

namespace oskava::test {

struct ShownMessage {
    std::string text;
    MessageKind kind;
    bool operator==(const ShownMessage& o) const { return text == o.text && kind == o.kind; }
};

class ScriptedPrompts : public Prompts {
  public:
    std::vector<ShownMessage> messages;
    std::vector<std::string> questions;
    std::vector<std::string> statusMessages;
    // Answers used in turn; when a list runs out the answer is No or Cancel.
    std::deque<bool> yesNoAnswers;
    std::deque<SaveChangesAnswer> saveAnswers;
    struct MinMaxEdit {
        DialogResult result = DialogResult::Cancel;
        MinMaxFields fields;  // replaces the dialog's fields when result is Ok
    };
    std::deque<MinMaxEdit> minMaxEdits;
    // Each dialog below closes with the next fields given (as if typed and accepted),
    // or with Cancel for nullopt or an empty path; *Shown holds what it opened with.
    std::deque<std::optional<LoadDataFields>> loadDataEdits;
    std::deque<std::string> saveAsPaths;
    std::deque<std::optional<NoiseFields>> noiseEdits;
    std::deque<std::optional<DeleteElectrodeFields>> electrodeEdits;
    std::deque<std::optional<FilterFields>> filterEdits;
    std::deque<std::optional<ImportFields>> importEdits;
    std::deque<std::optional<ExportFields>> exportEdits;
    std::vector<MinMaxFields> minMaxShown;
    std::vector<LoadDataFields> loadDataShown;
    std::vector<std::string> saveAsProposed;
    std::vector<NoiseFields> noiseShown;
    std::vector<DeleteElectrodeFields> electrodeShown;
    std::vector<FilterFields> filterShown;
    std::vector<ImportFields> importShown;
    std::vector<ExportFields> exportShown;
    int windowsOpened = 0;  // Data Properties windows created
    int windowShows = 0;    // fillings of any of them

    void Message(const std::string& text, MessageKind kind) override {
        messages.push_back({text, kind});
    }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return Next(yesNoAnswers, false);
    }
    void StatusMessage(const std::string& text) override { statusMessages.push_back(text); }
    SaveChangesAnswer AskSaveChanges(const std::string& fileName) override {
        questions.push_back(fileName);
        return Next(saveAnswers, SaveChangesAnswer::Cancel);
    }
    DialogResult EditMinMax(MinMaxFields& fields) override {
        minMaxShown.push_back(fields);
        const MinMaxEdit edit = Next(minMaxEdits, MinMaxEdit());
        fields = edit.result == DialogResult::Ok ? edit.fields : fields;
        return edit.result;
    }
    DialogResult ChooseIpUnits(int&) override { return DialogResult::Cancel; }
    DialogResult ChooseSaveAsPath(std::string& path) override {
        saveAsProposed.push_back(path);
        const std::string chosen = Next(saveAsPaths, std::string());
        path = chosen.empty() ? path : chosen;
        return chosen.empty() ? DialogResult::Cancel : DialogResult::Ok;
    }
    DialogResult EditLoadData(LoadDataFields& fields) override {
        return Run(loadDataShown, loadDataEdits, fields);
    }
    DialogResult EditImport(ImportFields& fields) override {
        return Run(importShown, importEdits, fields);
    }
    DialogResult ChooseExport(ExportFields& fields) override {
        return Run(exportShown, exportEdits, fields);
    }
    DialogResult EditNoise(NoiseFields& fields) override {
        return Run(noiseShown, noiseEdits, fields);
    }
    DialogResult EditDeleteElectrode(DeleteElectrodeFields& fields) override {
        return Run(electrodeShown, electrodeEdits, fields);
    }
    DialogResult EditFilter(const CDatDoc&, FilterFields& fields) override {
        return Run(filterShown, filterEdits, fields);
    }
    std::unique_ptr<CDatProp> OpenDatumProperties(CDatDoc&) override {
        ++windowsOpened;
        return std::make_unique<CountingWindow>(windowShows);
    }

    /// The texts of the messages shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const ShownMessage& m : messages) {
            texts.push_back(m.text);
        }
        return texts;
    }

  private:
    struct CountingWindow : CDatProp {
        explicit CountingWindow(int& shows) : shows(shows) {}
        void Show() override { ++shows; }
        int& shows;
    };

    template <typename T>
    static T Next(std::deque<T>& answers, T fallback) {
        if (answers.empty()) {
            return fallback;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Records what a dialog opened with; an answer closes it with Ok and its fields,
    // none with Cancel.
    template <typename T>
    static DialogResult Run(std::vector<T>& shown, std::deque<std::optional<T>>& answers,
                            T& fields) {
        shown.push_back(fields);
        const std::optional<T> answer = Next(answers, std::optional<T>());
        fields = answer.value_or(fields);
        return answer ? DialogResult::Ok : DialogResult::Cancel;
    }
};

}  // namespace oskava::test
