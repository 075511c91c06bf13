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
    // Answers used in turn; when a list runs out the answer is No, Cancel or -1.
    std::deque<bool> yesNoAnswers;
    std::deque<SaveChangesAnswer> saveAnswers;
    std::deque<int> ipUnitChoices;  // -1: Cancel
    // Each EditMinMax call applies the next edit to the fields it is given.
    struct MinMaxEdit {
        DialogResult result = DialogResult::Cancel;
        MinMaxFields fields;  // replaces the dialog's fields when result is Ok
    };
    std::deque<MinMaxEdit> minMaxEdits;
    // Each dialog below closes with the next fields given (as if typed and accepted),
    // or with Cancel for nullopt, an empty path or none; *Shown holds what it opened with.
    std::deque<std::optional<LoadDataFields>> loadDataEdits;
    std::deque<std::string> saveAsPaths;
    std::deque<std::optional<NoiseFields>> noiseEdits;
    std::deque<std::optional<DeleteElectrodeFields>> electrodeEdits;
    std::vector<MinMaxFields> minMaxShown;
    std::vector<LoadDataFields> loadDataShown;
    std::vector<std::string> saveAsProposed;
    std::vector<NoiseFields> noiseShown;
    std::vector<DeleteElectrodeFields> electrodeShown;
    int windowsOpened = 0;  // Data Properties windows created
    int windowShows = 0;    // fillings of any of them

    void Message(const std::string& text, MessageKind kind) override {
        messages.push_back({text, kind});
    }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return Next(yesNoAnswers, false);
    }
    SaveChangesAnswer AskSaveChanges(const std::string& fileName) override {
        questions.push_back(fileName);
        return Next(saveAnswers, SaveChangesAnswer::Cancel);
    }
    DialogResult EditMinMax(MinMaxFields& fields) override {
        minMaxShown.push_back(fields);
        const MinMaxEdit edit = Next(minMaxEdits, MinMaxEdit());
        if (edit.result == DialogResult::Ok) {
            fields = edit.fields;
        }
        return edit.result;
    }
    DialogResult ChooseIpUnits(int& unitIndex) override {
        const int choice = Next(ipUnitChoices, -1);
        return Take(choice >= 0 ? std::optional<int>(choice) : std::nullopt, unitIndex);
    }
    DialogResult EditLoadData(LoadDataFields& fields) override {
        loadDataShown.push_back(fields);
        return Take(Next(loadDataEdits, {}), fields);
    }
    DialogResult ChooseSaveAsPath(std::string& path) override {
        saveAsProposed.push_back(path);
        const std::string chosen = Next(saveAsPaths, std::string());
        return Take(chosen.empty() ? std::nullopt : std::optional<std::string>(chosen), path);
    }
    DialogResult EditNoise(NoiseFields& fields) override {
        noiseShown.push_back(fields);
        return Take(Next(noiseEdits, {}), fields);
    }
    DialogResult EditDeleteElectrode(DeleteElectrodeFields& fields) override {
        electrodeShown.push_back(fields);
        return Take(Next(electrodeEdits, {}), fields);
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

    template <typename T>
    static DialogResult Take(const std::optional<T>& answer, T& fields) {
        if (!answer) {
            return DialogResult::Cancel;
        }
        fields = *answer;
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
