// A Prompts fake for tests: records every message and question in order and answers
// from a script.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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
    // Answers used in turn; when a list runs out the default answer is given.
    std::deque<bool> yesNoAnswers;
    bool defaultYesNo = false;
    std::deque<SaveChangesAnswer> saveAnswers;
    // Each EditMinMax call applies the next edit to the fields it is given.
    struct MinMaxEdit {
        DialogResult result = DialogResult::Cancel;
        MinMaxFields fields;  // replaces the dialog's fields when result is Ok
    };
    std::deque<MinMaxEdit> minMaxEdits;
    std::vector<MinMaxFields> minMaxShown;  // the fields each dialog opened with
    std::deque<int> ipUnitChoices;          // -1: Cancel
    // Each Load Data dialog closes with the next fields; unset: Cancel.
    std::deque<std::optional<LoadDataFields>> loadDataEdits;
    std::vector<LoadDataFields> loadDataShown;  // the fields each dialog opened with
    // Each Save As dialog chooses the next path; empty: Cancel.
    std::deque<std::string> saveAsPaths;
    std::vector<std::string> saveAsProposed;  // the path each dialog proposed
    // The standard-deviation and Delete Electrode dialogs close with the next fields
    // given (as if typed and accepted), or with Cancel for nullopt or none.
    std::deque<std::optional<NoiseFields>> noiseEdits;
    std::vector<NoiseFields> noiseShown;
    std::deque<std::optional<DeleteElectrodeFields>> electrodeEdits;
    std::vector<DeleteElectrodeFields> electrodeShown;
    int windowsOpened = 0;  // Data Properties windows created
    int windowShows = 0;    // fillings of any of them

    void Message(const std::string& text, MessageKind kind) override {
        messages.push_back({text, kind});
    }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return Next(yesNoAnswers, defaultYesNo);
    }
    SaveChangesAnswer AskSaveChanges(const std::string& fileName) override {
        questions.push_back(fileName);
        return Next(saveAnswers, SaveChangesAnswer::Cancel);
    }
    DialogResult EditMinMax(MinMaxFields& fields) override {
        minMaxShown.push_back(fields);
        if (minMaxEdits.empty()) {
            return DialogResult::Cancel;
        }
        MinMaxEdit edit = minMaxEdits.front();
        minMaxEdits.pop_front();
        if (edit.result == DialogResult::Ok) {
            fields = edit.fields;
        }
        return edit.result;
    }
    DialogResult ChooseIpUnits(int& unitIndex) override {
        const int choice = Next(ipUnitChoices, -1);
        if (choice < 0) {
            return DialogResult::Cancel;
        }
        unitIndex = choice;
        return DialogResult::Ok;
    }

    DialogResult EditLoadData(LoadDataFields& fields) override {
        loadDataShown.push_back(fields);
        return Answer(loadDataEdits, fields);
    }
    DialogResult ChooseSaveAsPath(std::string& path) override {
        saveAsProposed.push_back(path);
        const std::string chosen = Next(saveAsPaths, std::string());
        if (chosen.empty()) {
            return DialogResult::Cancel;
        }
        path = chosen;
        return DialogResult::Ok;
    }
    DialogResult EditNoise(NoiseFields& fields) override {
        noiseShown.push_back(fields);
        return Answer(noiseEdits, fields);
    }
    DialogResult EditDeleteElectrode(DeleteElectrodeFields& fields) override {
        electrodeShown.push_back(fields);
        return Answer(electrodeEdits, fields);
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
    class CountingWindow : public CDatProp {
      public:
        explicit CountingWindow(int& shows) : shows_(shows) {}
        void Show() override { ++shows_; }

      private:
        int& shows_;
    };

    template <typename Fields>
    static DialogResult Answer(std::deque<std::optional<Fields>>& edits, Fields& fields) {
        const std::optional<Fields> edit = Next(edits, std::optional<Fields>());
        if (!edit) {
            return DialogResult::Cancel;
        }
        fields = *edit;
        return DialogResult::Ok;
    }
    template <typename T>
    static T Next(std::deque<T>& answers, T fallback) {
        if (answers.empty()) {
            return fallback;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace oskava::test
