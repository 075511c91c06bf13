#include "editing/EditJournal.h"

#include <cstring>

#include "editing/DataEdits.h"
#include "survey/DatumSelection.h"
#include "view/DatView.h"

namespace oskava {

namespace {

constexpr double CDatDoc::*kExtentFields[] = {
    &CDatDoc::xMin,     &CDatDoc::xMax,          &CDatDoc::maxPseudoDepth, &CDatDoc::valueMin,
    &CDatDoc::valueMax, &CDatDoc::minSeparation, &CDatDoc::maxSeparation,
};

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Keeps the order of the records left; indices ascending.
void EraseRecords(std::vector<Cobs>& records, const std::vector<size_t>& indices) {
    size_t to = indices.empty() ? records.size() : indices.front();
    size_t next = 0;
    for (size_t from = to; from < records.size(); ++from) {
        if (next < indices.size() && indices[next] == from) {
            ++next;
        } else {
            records[to++] = std::move(records[from]);
        }
    }
    records.resize(to);
}

// Puts the records back at their indices, in place: the records after the first
// index move up from the end down, so nothing is copied twice.
void InsertRecords(std::vector<Cobs>& records, const std::vector<std::pair<size_t, Cobs>>& put) {
    size_t kept = records.size();
    records.resize(kept + put.size());
    for (size_t to = records.size(), left = put.size(); left > 0;) {
        --to;
        if (put[left - 1].first == to) {
            records[to] = put[--left].second;
        } else {
            records[to] = std::move(records[--kept]);
        }
    }
}

}  // namespace

SurveyEdit::SurveyEdit(const char* name, CDatDoc& doc, size_t recordsAfter)
    : JournalEntry(name),
      doc_(doc),
      defaultErrors_(doc.defaultErrors),
      recordsBefore_(doc.observations.size()),
      recordsAfter_(recordsAfter) {
    for (size_t i = 0; i < kExtents; ++i) {
        extents_[i] = doc.*kExtentFields[i];
    }
}

bool SurveyEdit::Fits(bool done) const {
    return doc_.observations.size() == (done ? recordsAfter_ : recordsBefore_);
}

void SurveyEdit::ExchangeDocumentValues() {
    for (size_t i = 0; i < kExtents; ++i) {
        std::swap(doc_.*kExtentFields[i], extents_[i]);
    }
    std::swap(doc_.defaultErrors, defaultErrors_);
}

ValueEdit::ValueEdit(const char* name, CDatDoc& doc, size_t first, size_t count,
                     const std::vector<double Cobs::*>& fields, GaussianDeviates* deviates)
    : SurveyEdit(name, doc, doc.observations.size()), first_(first), deviates_(deviates) {
    for (double Cobs::*field : fields) {
        Column& column = columns_.emplace_back(Column{field, {}});
        column.values.reserve(count);
        for (size_t i = first; i < first + count; ++i) {
            column.values.push_back(doc.observations[i].*field);
        }
    }
    if (deviates_ != nullptr) {
        otherDeviates_ = *deviates_;
    }
}

std::unique_ptr<ValueEdit> ValueEdit::StdDevs(const char* name, CDatDoc& doc, size_t first,
                                              size_t count) {
    return std::make_unique<ValueEdit>(name, doc, first, count,
                                       std::vector{&Cobs::stdDev, &Cobs::normalizedDiff}, nullptr);
}

std::unique_ptr<ValueEdit> ValueEdit::Noise(CDatDoc& doc, GaussianDeviates& deviates) {
    return std::make_unique<ValueEdit>(
        edit_name::AddNoise, doc, 0, doc.observations.size(),
        std::vector{&Cobs::datum, &Cobs::stdDev, &Cobs::displayValue, &Cobs::normalizedDiff},
        &deviates);
}

void ValueEdit::Exchange() {
    for (Column& column : columns_) {
        for (size_t i = 0; i < column.values.size(); ++i) {
            std::swap(doc_.observations[first_ + i].*column.field, column.values[i]);
        }
    }
    if (deviates_ != nullptr) {
        std::swap(*deviates_, otherDeviates_);
    }
    ExchangeDocumentValues();
    RefillDatumProperties(doc_);
    if (doc_.view != nullptr) {
        doc_.view->ReloadDisplayValues();
        doc_.view->RefreshErrors();
        doc_.view->RefreshDifference();
        doc_.view->RepaintAll();
    }
}

RecordDeletion::RecordDeletion(const char* name, CDatDoc& doc, const std::vector<size_t>& indices)
    : SurveyEdit(name, doc, doc.observations.size() - indices.size()) {
    std::vector<Cobs>& records = doc.observations;
    removed_.reserve(indices.size());
    for (const size_t i : indices) {
        removed_.emplace_back(i, records[i]);
    }
    std::vector<double> depthsBefore(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        depthsBefore[i] = records[i].pseudoDepth;
    }
    doc.dataReady = false;
    EraseRecords(records, indices);
    doc.dataCount = static_cast<int32_t>(records.size());
    if (records.empty()) {
        return;
    }
    doc.ProcessData();
    // Every other derived quantity of a record follows from the record alone.
    size_t removed = 0;
    for (size_t before = 0; before < depthsBefore.size(); ++before) {
        if (removed < indices.size() && indices[removed] == before) {
            ++removed;
        } else if (!SameBits(records[before - removed].pseudoDepth, depthsBefore[before])) {
            depths_.emplace_back(before, depthsBefore[before]);
        }
    }
}

void RecordDeletion::Undo() {
    InsertRecords(doc_.observations, removed_);
    ExchangeDepths();
    ExchangeDocumentValues();
    Settle();
}

void RecordDeletion::Redo() {
    ExchangeDepths();
    std::vector<size_t> indices;
    indices.reserve(removed_.size());
    for (const auto& [index, record] : removed_) {
        indices.push_back(index);
    }
    EraseRecords(doc_.observations, indices);
    ExchangeDocumentValues();
    Settle();
}

void RecordDeletion::ExchangeDepths() {
    for (auto& [index, depth] : depths_) {
        std::swap(doc_.observations[index].pseudoDepth, depth);
    }
}

void RecordDeletion::Settle() {
    doc_.propertiesDialog.reset();
    RecordsChanged(doc_);
}

}  // namespace oskava
