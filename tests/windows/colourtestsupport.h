#pragma once
// Shared by the colour window tests: reaching the controls, moving bars as a person
// does, and keeping the image a test expects.
#include <gtest/gtest.h>

#include <algorithm>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>

#include "core/colorword.h"
#include "widgets/clicklist.h"
#include "widgets/colourlabel.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale::test {

inline QScrollBar* bar(const QWidget* w, int n) { return child<QScrollBar>(w, QStringLiteral("HScroll%1").arg(n)); }
inline QLabel* label(const QWidget* w, int n) { return child<QLabel>(w, QStringLiteral("Label%1").arg(n)); }
inline ColourLabel* piece(const QWidget* w, int n) { return child<ColourLabel>(w, QStringLiteral("Label%1").arg(n)); }
inline ColourLabel* cell(const QWidget* w, int k) { return child<ColourLabel>(w, QStringLiteral("Label1_%1").arg(k)); }
inline QPushButton* button(const QWidget* w, int n) { return child<QPushButton>(w, QStringLiteral("Command%1").arg(n)); }
inline ClickList* list1(const QWidget* w) { return child<ClickList>(w, QStringLiteral("List1")); }

// Clicks a bar's arrows until it shows value, as a person would.
inline void moveBar(QScrollBar* b, int value)
{
    const QPoint left(3, b->height() / 2), right(b->width() - 3, b->height() / 2);
    for (int guard = 0; b->value() != value && guard < 64; ++guard)
        QTest::mouseClick(b, Qt::LeftButton, {}, b->value() < value ? right : left);
    ASSERT_EQ(b->value(), value);
}

inline Rgb barColour(const QWidget* w) { return {bar(w, 1)->value(), bar(w, 2)->value(), bar(w, 3)->value()}; }

inline Rgb wordAt(const Bytes& rom, std::size_t offset) { return splitcolorword(rom[offset], rom[offset + 1]); }

inline void putWord(Bytes& rom, std::size_t offset, const Rgb& colour)
{
    const ColourBytes bytes = joincolorword(colour);
    rom[offset] = bytes.low;
    rom[offset + 1] = bytes.high;
}

// The image a window edits and the image the test expects of it. A store always
// clears bit 15, so a word marked with it shows whether it was stored.
class ColourWindowTest : public ::testing::Test {
protected:
    Cartridge cart = loadedSample();
    Bytes expected = sampleImage().bytes;

    void mark(std::size_t word) { cart.RomImage[word + 1] |= 0x80; expected[word + 1] |= 0x80; }
    void stored(std::size_t word) { expected[word + 1] &= 0x7F; }
    void copyWord(std::size_t from, std::size_t to)
    {
        for (Bytes* rom : {&cart.RomImage, &expected})
            std::copy_n(rom->begin() + from, 2, rom->begin() + to);
    }
    // Only the words the test expects changed; every other byte is the sample's.
    void checkImage() const { EXPECT_EQ(differences(cart.RomImage, expected), std::vector<std::size_t>{}); }
};

}  // namespace icevale::test
