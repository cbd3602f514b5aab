#pragma once
// The pocket calculator of the page "Kalkulačka" as a state machine: keys
// (on-screen or typed into the display) go in; the display text, the written
// trace of the calculation and the kept-results list "Schránkulačka" come
// out. Numbers are doubles shown in the plain number form.
//
// Evaluation is left to right without precedence: an on-screen operator key
// first evaluates the pending operation (2 + 3 * 4 = 20), while an operator
// typed on the keyboard replaces it (2 + 3 * 4 Enter = 12).
#include <string>
#include <string_view>
#include <vector>

#include "common/errors.h"

namespace verdika::calc {

// A division by zero or a result too large to show. The operation stops and
// the pending operation stays pending.
class ArithmeticError : public Error {
public:
    using Error::Error;
};

// An item of the kept-results list: the number as text, and where it came
// from (another page's result), shown as the item's tip.
struct KeptResult {
    std::string text;
    std::string description;
};

class PocketCalculator {
public:
    // --- on-screen keys ---
    void digit(char d);          // '0' … '9'
    void comma();                // ','
    void operatorKey(char op);   // '+', '-', '*', '/': evaluates the pending operation first
    void plusMinus();            // "+/-"
    void square();               // the key captioned "sqrt" squares the number
    void reciprocal();           // "1/x"
    void percent();              // "%"
    void equals();               // "=" (also Enter released in the display)
    void clear();                // "smazat" (also Delete released in the display)

    // --- keyboard in the display ---
    // A typed character: digits, ',' and '%' as their keys; '+', '-', '*',
    // '/', '=' become the pending operation without evaluating the old one;
    // anything else is swallowed (the field never sees a typed character).
    void typed(char32_t c);
    // Backspace: the last character of the trace goes; the field deletes its own.
    void backspace();
    // Ctrl+V: the display becomes the pasted number; an amount as the result
    // fields show it ("1.234,50 Kč") becomes its plain number; any other text
    // is refused (ConversionError).
    void paste(std::string_view clipboardText);

    // The display was edited in the field itself (a deletion, a paste from
    // the field's menu): the calculator takes its text.
    void setDisplay(std::string_view text) { display_ = std::string(text); }

    // --- the kept-results list ---
    void keepDisplay();                      // "=> do schránkulačky": add the display, empty it
    void recallSelected();                   // "<= ze schránkulačky"
    void recall(int index);                  // double-click on an item
    void addResult(std::string_view text, std::string_view description = {});  // "vložit ze schránky ", other pages
    void select(int index);                  // -1 = nothing selected
    void deleteSelected();                   // "vymazat záznam schránkulačky"
    void deleteAll();                        // "vymazat všechny záznamy schránkulačky"
    void sumResults();                       // "součet všech záznamů schránkulačky"
    // The text the list's copy key puts on the clipboard; empty with nothing selected.
    std::string selectedResult() const;

    const std::string& display() const { return display_; }
    const std::string& trace() const { return trace_; }
    const std::vector<KeptResult>& results() const { return results_; }
    int selected() const { return selected_; }
    const std::string& pending() const { return pending_; }
    double lastResult() const { return lastResult_; }

private:
    double displayNumber() const;  // throws ConversionError
    void evaluate();
    void unary(const char* key, const std::string& traceText);
    void appendToTrace(std::string_view text) { trace_ += text; }

    std::string display_;
    double first_ = 0;
    double second_ = 0;
    std::string pending_;
    double lastResult_ = 0;
    bool clearNext_ = false;
    bool decimal_ = false;
    std::string trace_;
    std::vector<KeptResult> results_;
    int selected_ = -1;
};

}  // namespace verdika::calc
