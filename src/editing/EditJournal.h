// The journal entries of the survey's edits: for each edit only what it changed, so
// that a deletion of one electrode at a million data keeps the few records it removed
// rather than a copy of the survey. Undo and Redo exchange the remembered values with
// the document's, so one copy serves both directions.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "editing/GaussianNoise.h"
#include "survey/DatDoc.h"
#include "survey/Journal.h"

namespace oskava {

/// The names of the edits, as the Undo and Redo items show them.
namespace edit_name {
inline const char AssignStdDev[] = "Assign standard deviation";
inline const char AddNoise[] = "Add Gaussian noise";
inline const char DeleteElectrode[] = "Delete electrode";
inline const char SetStdDev[] = "Set standard deviation";
inline const char DeleteDatum[] = "Delete datum";
inline const char FilterData[] = "Filter data";
}  // namespace edit_name

/// What every edit may change besides records: the extents and defaultErrors.
class SurveyEdit : public JournalEntry {
  public:
    bool Fits(bool done) const override;

  protected:
    /// Made before the edit changes anything; recordsAfter: the number of records
    /// the edit leaves.
    SurveyEdit(const char* name, CDatDoc& doc, size_t recordsAfter);
    /// Exchanges the remembered extents and defaultErrors with the document's.
    void ExchangeDocumentValues();

    CDatDoc& doc_;

  private:
    static constexpr size_t kExtents = 7;
    double extents_[kExtents];
    bool defaultErrors_;
    size_t recordsBefore_;
    size_t recordsAfter_;
};

/// An edit of values in place (Assign, noise, "Set"): the chosen fields of records
/// [first, first + count), and the state of the Gaussian deviates when the edit
/// draws from them.
class ValueEdit : public SurveyEdit {
  public:
    /// Remembers the fields before the edit; deviates: null when the edit draws none,
    /// otherwise the generator it draws from, which must outlive the entry's use.
    ValueEdit(const char* name, CDatDoc& doc, size_t first, size_t count,
              const std::vector<double Cobs::*>& fields, GaussianDeviates* deviates);
    /// Before the standard deviations of records [first, first + count) change, and
    /// with them their normalized differences.
    static std::unique_ptr<ValueEdit> StdDevs(const char* name, CDatDoc& doc, size_t first,
                                              size_t count);
    /// Before noise drawn from deviates changes every datum, its standard deviation
    /// and what follows from them.
    static std::unique_ptr<ValueEdit> Noise(CDatDoc& doc, GaussianDeviates& deviates);
    void Undo() override { Exchange(); }
    void Redo() override { Exchange(); }

  private:
    struct Column {
        double Cobs::*field;
        std::vector<double> values;
    };
    /// Swaps the remembered values in, then refreshes what the edit refreshed.
    void Exchange();

    size_t first_;
    std::vector<Column> columns_;
    GaussianDeviates* deviates_;
    GaussianDeviates otherDeviates_;
};

/// A removal of records (Delete electrode, "Delete"): the records removed with their
/// indices, and the kept records whose pseudo-depth the removal changed (data on one
/// spot are moved apart by their order and spacing, which a removal can change).
class RecordDeletion : public SurveyEdit {
  public:
    /// Removes the records at the indices (ascending, each once), marks the document
    /// not ready and, with records left, computes the derived quantities again.
    RecordDeletion(const char* name, CDatDoc& doc, const std::vector<size_t>& indices);
    void Undo() override;
    void Redo() override;

  private:
    void ExchangeDepths();
    /// After records came or went: the Data Properties window closes, the views
    /// rebuild keeping their colour range.
    void Settle();

    std::vector<std::pair<size_t, Cobs>> removed_;   // ascending indices before removal
    std::vector<std::pair<size_t, double>> depths_;  // indices before removal
};

}  // namespace oskava
