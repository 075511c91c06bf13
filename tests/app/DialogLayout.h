// How a dialog must read on the screen, checked on every grid it holds.
#pragma once

#include <gtest/gtest.h>

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <map>
#include <set>

#include "app/DialogControls.h"
#include "app/NumberField.h"

namespace oskava::test {

/// No two widgets share a cell (one would hide the other); every line starts at the
/// left edge; a field named after a label stands right after it on its line or under
/// it; a number field has room for the longest number; a shown dialog's OK is its
/// default button.
inline void ExpectFormLayout(const QWidget* dialog) {
    const char* name = dialog->metaObject()->className();
    for (const QGridLayout* grid : dialog->findChildren<QGridLayout*>()) {
        std::set<std::pair<int, int>> used;
        std::map<QString, std::pair<int, int>> labelEnds;  // where a field after it starts
        std::map<QString, std::pair<int, int>> fields;
        for (int i = 0; i < grid->count(); ++i) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            for (int r = row; r < row + rows; ++r) {
                for (int c = column; c < column + columns; ++c) {
                    EXPECT_TRUE(used.insert({r, c}).second) << name << " " << r << "," << c;
                }
            }
            const QWidget* widget = grid->itemAt(i)->widget();
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                QString text = label->text().remove(QLatin1Char('&')).remove(QLatin1Char(':'));
                labelEnds[text.trimmed()] = {row, column + columns};
            } else if (widget != nullptr && !widget->accessibleName().isEmpty()) {
                fields[widget->accessibleName()] = {row, column};
            }
        }
        for (int r = 0; r < grid->rowCount(); ++r) {
            EXPECT_EQ(used.count({r, 0}), 1u) << name << " line " << r;
        }
        for (const auto& [field, at] : fields) {
            const auto [row, end] = labelEnds.count(field) ? labelEnds[field] : at;
            EXPECT_TRUE(at == std::pair(row, end) || at == std::pair(row + 1, 0)) << name;
        }
    }
    for (const QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
        const int longest = edit->fontMetrics().horizontalAdvance("-8.88888888888888e-308");
        EXPECT_TRUE(!dynamic_cast<const NumberField*>(edit) || edit->minimumWidth() > longest);
    }
    if (const auto* ok = ControlOf<QPushButton>(dialog, 1); ok != nullptr && dialog->isVisible()) {
        EXPECT_TRUE(ok->isDefault()) << name;
    }
}

}  // namespace oskava::test
