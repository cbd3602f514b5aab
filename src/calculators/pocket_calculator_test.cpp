#include "calculators/pocket_calculator.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace verdika::calc {
namespace {

// Presses the on-screen keys of a sequence: digits, ',', '+', '-', '*', '/',
// '%', '=', 'q' (the "sqrt" key), 'r' ("1/x"), 'n' ("+/-"), 'c' ("smazat").
void press(PocketCalculator& c, std::string_view keys) {
    for (char k : keys) {
        if (k >= '0' && k <= '9') c.digit(k);
        else if (k == ',') c.comma();
        else if (k == '%') c.percent();
        else if (k == '=') c.equals();
        else if (k == 'q') c.square();
        else if (k == 'r') c.reciprocal();
        else if (k == 'n') c.plusMinus();
        else if (k == 'c') c.clear();
        else if (k != ' ') c.operatorKey(k);
    }
}

TEST(PocketCalculator, OnScreenKeysDisplayAndTrace) {
    struct Case {
        const char* keys;
        const char* display;
        const char* trace;
    } cases[] = {
        {"144%20%", "28,8", "144 ... 100%, 20% ... x, x = 28,8"},
        {"144+20%", "172,8", "144 + 20% = 144 + 28,8 = 172,8"},
        {"2+3*4=", "20", "2 + 3 = 5 * 4 = 20"},  // the pending "+" is evaluated before "*"
        {"3q", "9", "3 * 3 = 9"},
        {"4r", "0,25", "4 * ( 1 / (4 * 4 ) = 0,25"},
        {"5n", "-5", "5 * (- 1) = -5"},
        {"1,5+1,25=", "2,75", "1,5 + 1,25 = 2,75"},
        {"9-12=", "-3", "9 - 12 = -3"},
        {"7/2=", "3,5", "7 / 2 = 3,5"},
        {"0,1+0,2=", "0,3", "0,1 + 0,2 = 0,3"},
    };
    for (const auto& c : cases) {
        PocketCalculator calc;
        press(calc, c.keys);
        EXPECT_EQ(calc.display(), c.display) << c.keys;
        EXPECT_EQ(calc.trace(), c.trace) << c.keys;
    }
}

TEST(PocketCalculator, KeyboardReplacesThePendingOperation) {
    PocketCalculator calc;
    for (char32_t ch : U"2+3*4") calc.typed(ch);
    calc.equals();  // Enter released
    EXPECT_EQ(calc.display(), "12");
    EXPECT_EQ(calc.trace(), "2 + 3 * 4 = 12");
    // Other characters are swallowed; "=" typed becomes pending, and "=" then repeats the last result.
    PocketCalculator c2;
    for (char32_t ch : U"5a.x=") c2.typed(ch);
    EXPECT_EQ(c2.pending(), "=");
    c2.digit('7');
    c2.equals();
    EXPECT_EQ(c2.display(), "0");
}

TEST(PocketCalculator, ClearKeepsTheLastResult) {
    PocketCalculator calc;
    press(calc, "6*7=");
    press(calc, "c5=");
    EXPECT_EQ(calc.display(), "42");  // nothing pending: the previous result again
    EXPECT_EQ(calc.trace(), "5 = 42");
}

TEST(PocketCalculator, DivisionByZeroKeepsThePendingOperation) {
    PocketCalculator calc;
    press(calc, "8/0");
    EXPECT_THROW(calc.equals(), ArithmeticError);
    EXPECT_EQ(calc.pending(), "/");
    EXPECT_EQ(calc.display(), "0");
    calc.backspace();
    calc.setDisplay("");  // the field deleted its 0
    press(calc, "4=");
    EXPECT_EQ(calc.display(), "2");
    PocketCalculator r;
    press(r, "0");
    EXPECT_THROW(r.reciprocal(), ArithmeticError);
    EXPECT_EQ(r.pending(), "1/x");
    PocketCalculator big;
    big.setDisplay("1E200");
    EXPECT_THROW(big.square(), ArithmeticError);  // never "INF" in the display
    EXPECT_EQ(big.display(), "1E200");
}

TEST(PocketCalculator, ConversionErrorStopsTheOperationAndPasteIsANumber) {
    PocketCalculator calc;
    calc.setDisplay("abc");
    EXPECT_THROW(calc.operatorKey('+'), ConversionError);
    PocketCalculator p;
    EXPECT_THROW(p.paste("12x"), ConversionError);
    EXPECT_EQ(p.display(), "");  // emptied before the failing read
    p.paste(" 12,5 ");
    EXPECT_EQ(p.display(), "12,5");
    press(p, "+1=");
    EXPECT_EQ(p.display(), "13,5");
    // A number pasted after an operator is the second operand, not a new first one.
    PocketCalculator q;
    press(q, "5+");
    q.paste("3");
    q.equals();
    EXPECT_EQ(q.display(), "8");
    EXPECT_EQ(q.trace(), "5 + 3 = 8");
}

TEST(PocketCalculator, GoesOnWithItsOwnResultsAndPastedAmounts) {
    // The largest result once showed "1,79769313486232E308", which the calculator could not read.
    PocketCalculator p;
    p.paste("1,7976931348623157E308");
    press(p, "*1=");
    EXPECT_EQ(p.display(), "1,79769313486231E308");
    press(p, "+1=");
    EXPECT_EQ(p.display(), "1,79769313486231E308");
    // An amount copied from a result field is its plain number.
    PocketCalculator q;
    q.paste("1.234,50 Kč");
    EXPECT_EQ(q.display(), "1234,5");
    press(q, "*2=");
    EXPECT_EQ(q.display(), "2469");
    EXPECT_THROW(q.paste("12.5"), ConversionError);
}

TEST(PocketCalculator, KeptResultsList) {
    PocketCalculator calc;
    press(calc, "12,5");
    calc.keepDisplay();
    EXPECT_EQ(calc.display(), "");
    calc.addResult("6540", "Odměna notáře");
    calc.addResult("x");
    ASSERT_EQ(calc.results().size(), 3u);
    EXPECT_EQ(calc.results()[1].description, "Odměna notáře");
    EXPECT_EQ(calc.selectedResult(), "");
    EXPECT_THROW(calc.sumResults(), ConversionError);  // stops at the item that is not a number
    calc.select(2);
    calc.deleteSelected();
    EXPECT_EQ(calc.selected(), 0);
    calc.sumResults();
    EXPECT_EQ(calc.display(), "6552,5");
    EXPECT_EQ(calc.trace(), "12,5");  // the sum leaves the trace alone

    calc.select(1);
    calc.recallSelected();  // nothing pending: the trace starts again
    EXPECT_EQ(calc.display(), "6540");
    EXPECT_EQ(calc.trace(), " 6540");
    press(calc, "+");
    calc.select(0);
    calc.recallSelected();
    press(calc, "=");
    EXPECT_EQ(calc.display(), "6552,5");
    EXPECT_EQ(calc.trace(), " 6540 +  12,5 = 6552,5");
    calc.recall(1);
    EXPECT_EQ(calc.display(), "6540");
    calc.deleteAll();
    EXPECT_TRUE(calc.results().empty());
    calc.deleteSelected();  // an empty list is no error
    calc.sumResults();
    EXPECT_EQ(calc.display(), "0");
}

}  // namespace
}  // namespace verdika::calc
