#include "aggregates/enumeration.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "aggregates/aggregate_names.h"
#include "aggregates/aggregate_work.h"
#include "aggregates/body_directive.h"
#include "core/text.h"
#include "knowledge/knowledge.h"
#include "preprocessor/expression_words.h"
#include "preprocessor/operator_words.h"
#include "session/knowledge_lookup.h"
#include "session/output.h"
#include "session/translation_texts.h"

namespace ondavel {

namespace {

// The operator an enumerator's value reads at the start of text: an arithmetic, bitwise,
// shift, comparison or logical one ("<<" is SHL, "<" LT, "||" OR) or the complement '~'.
// nullptr for any other character, which the value reads as a token.
const OperatorWord* ValueOperator(std::string_view text) {
    return OperatorAt(text, {"==", "!=", "!", "^", "%"});
}

// Whether a value is a minus sign and one number, which C counts on from (0 after "-1").
class NegativeValue {
  public:
    void Operator(char c) { Item(c == '-'); }
    void Number(uint32_t value) {
        Item(items_ == 1 && negative_);
        value_ = value;
        lastWasNumber_ = true;
    }
    void Other() {
        Item(false);
        lastWasName_ = true;
    }
    bool Holds() const { return items_ == 2 && negative_; }
    // The value is one number, or one name, and nothing else.
    bool IsPlainNumber() const { return items_ == 1 && lastWasNumber_; }
    bool IsOneName() const { return items_ == 1 && lastWasName_; }
    uint32_t value() const { return 0u - value_; }

  private:
    void Item(bool keepsNegative) {
        negative_ = keepsNegative;
        lastWasNumber_ = false;
        lastWasName_ = false;
        ++items_;
    }
    uint32_t items_ = 0;
    bool negative_ = false;
    bool lastWasNumber_ = false;
    bool lastWasName_ = false;
    uint32_t value_ = 0;
};

class EnumerationTranslation {
  public:
    explicit EnumerationTranslation(AggregateWork& work) : work_(work), cursor_(work.cursor) {}

    void Run() {
        Append("\r\n;" + work_.name + "\tUNION\r\n");
        if (!cursor_.SkipPast('{') || !cursor_.SkipBlanks()) return;
        if (cursor_.Current() == '}' || !TranslateEnumerators()) return;
        AppendPieceToHeapBlock(work_.outputBlock, ";" + work_.name + "\t\tENDS\r\n\r\n");
        WritePieces(work_.session, work_.outputBlock);
        if (SkipToDeclarators()) RegisterDeclarators(work_, nullptr);
    }

  private:
    void Append(std::string_view text) { AppendToHeapBlock(work_.outputBlock, text); }
    void AppendAll(std::initializer_list<std::string_view> texts) {
        for (const std::string_view text : texts) Append(text);
    }
    void AppendValue(std::string_view text) { value_.append(text); }

    // False when the translation ends without output.
    bool TranslateEnumerators() {
        for (;;) {
            if (cursor_.Current() == '#') {
                if (TranslateBodyDirective(work_) == BodyDirectiveResult::AlternativeHeader ||
                    !cursor_.SkipBlanks()) {
                    return false;
                }
                continue;
            }
            if (cursor_.Current() == '}') return true;
            // A ',' that starts a line, after an #if, belongs to the enumerator before it.
            if (cursor_.Current() == ',') {
                if (!cursor_.AdvanceAndSkip()) return false;
                continue;
            }
            if (!TranslateEnumerator()) return false;
            switch (AfterEnumerator()) {
                case Next::Enumerator:
                    continue;
                case Next::BodyEnd:
                    return true;
                case Next::Abandon:
                    return false;
            }
        }
    }

    // A value that is one number is a numeric equate, which the assembler never substitutes
    // in a later name (a member may share the enumerator's name); so is one name, which the
    // assembler reads as the number it stands for when that is defined (a text otherwise, as
    // harmless as before). Any other value is a text, and so is every value of a name that
    // the batch also #defines: the assembler takes a text equate after a numeric one of the
    // same name only when both are texts.
    bool TranslateEnumerator() {
        std::string& name = name_.assign(cursor_.TakeWord(kOperatorDelimSet));
        LookupKnowledge(work_.session, name, LookupKind::Incompatible, &name);
        work_.session.run.batchNames.Prefetch(name);  // looked up once the value is read
        if (!cursor_.SkipBlanks() || cursor_.Current() == '(') return false;
        value_.clear();
        bool plainNumber = true;
        if (cursor_.Current() != '=') {
            value_ = DwordToMasmHex(counter_++);
        } else if (!TranslateValue(plainNumber)) {
            return false;
        }
        RunState& run = work_.session.run;
        if (plainNumber && (run.batchNames.flags(name) & kDefinedName) == 0) {
            run.batchNames.add(name, kNumericEnumerator);
            AppendAll({"\t", name, "\tEQU ",
                       std::string_view(value_).substr(0, value_.find_last_not_of(' ') + 1)});
        } else {
            AppendAll({"\t", name, "\tEQU <", value_, ">"});
        }
        StatementReader& reader = cursor_.Reader();
        if (reader.hasComment) {
            AppendAll({"\t", reader.commentScratch, "\r\n"});
            reader.commentScratch.clear();
            reader.hasComment = false;
        } else {
            Append("\r\n");
        }
        return true;
    }

    enum class Next { Enumerator, BodyEnd, Abandon };

    Next AfterEnumerator() {
        for (;;) {
            if (!cursor_.SkipBlanks()) return Next::Abandon;
            switch (cursor_.Current()) {
                case '#':
                    return Next::Enumerator;
                case ',':
                    if (!cursor_.AdvanceAndSkip()) return Next::Abandon;
                    if (cursor_.Current() != '}') return Next::Enumerator;
                    cursor_.Advance();
                    return Next::BodyEnd;
                case ')':
                    cursor_.Advance();
                    continue;
                default:
                    return Next::BodyEnd;
            }
        }
    }

    // The value after '=', up to the ',' that ends it (one inside a macro call's parentheses
    // does not), a '}', '#' or ';'.
    bool TranslateValue(bool& plainNumber) {
        bool inCall = false;
        uint32_t callDepth = 0;
        NegativeValue negative;
        if (!cursor_.AdvanceAndSkip()) return false;
        for (;;) {
            const char c = cursor_.Current();
            if ((c == ',' && !inCall) || c == '}' || c == '#' || c == ';') break;
            if (c == ',') {
                AppendValue(",");
            } else if (c == ')') {
                AppendValue(")");
                if (inCall && --callDepth == 0) inCall = false;
            } else if (c == '(') {
                AppendValue("(");
                if (inCall) ++callDepth;
            } else if (const OperatorWord* op = ValueOperator(cursor_.Rest()); op != nullptr) {
                AppendValue("\t" + std::string(op->masm) + " ");
                negative.Operator(c);
                for (size_t more = 1; more < op->c.size(); ++more) cursor_.Advance();
            } else if (!TranslateToken(inCall, callDepth, negative)) {
                return false;
            } else {
                continue;
            }
            if (!cursor_.AdvanceAndSkip()) return false;
        }
        if (negative.Holds()) counter_ = negative.value() + 1;
        plainNumber = negative.IsPlainNumber() || negative.IsOneName();
        return true;
    }

    // A name or a number, and the blanks after it.
    bool TranslateToken(bool& inCall, uint32_t& callDepth, NegativeValue& negative) {
        std::string_view token = cursor_.TakeWord(kOperatorDelimSet);
        if (token.empty()) {
            // A character that no value holds (':', '='): kept as it stands.
            token = cursor_.Rest().substr(0, 1);
            cursor_.Advance();
        }
        std::string masmNumber;
        const NumberText number = IsNumberText(token);
        if (number.isNumber && NumberToMasm(token, masmNumber)) {
            const uint32_t value = NumberValue(masmNumber, number.isHex);
            counter_ = value + 1;
            negative.Number(value);
            AppendValue(masmNumber + " ");
            return cursor_.SkipBlanks();
        }
        AppendValue(std::string(token) + " ");
        negative.Other();
        // A name before '(' calls a macro, a blank between them or not: the commas of its
        // arguments do not end the value.
        if (!cursor_.SkipBlanks()) return false;
        if (cursor_.Current() == '(') {
            inCall = true;
            callDepth = 0;
        }
        return true;
    }

    uint32_t NumberValue(std::string_view masmNumber, bool isHex) {
        if (!isHex) return TextToNumber(masmNumber);
        const HexNumber hex = HexToNumber(masmNumber);
        if (!hex.ok) {
            WriteJournalLine(work_.session, texts::kBadHexNumber);
        }
        return hex.value;
    }

    // After the body: the enumeration's own name, then declarators when a ',' follows it.
    bool SkipToDeclarators() {
        if (!cursor_.SkipBlanks()) return false;
        if (cursor_.Current() == '}' && !cursor_.AdvanceAndSkip()) return false;
        if (cursor_.Current() == ';' || cursor_.Current() == '*') return false;
        cursor_.TakeWord(kOwnNameEnds);
        if (!cursor_.SkipBlanks() || cursor_.Current() != ',') return false;
        cursor_.Advance();
        return true;
    }

    AggregateWork& work_;
    StatementCursor& cursor_;
    uint32_t counter_ = 0;
    std::string name_;   // the name of the enumerator being translated
    std::string value_;  // its value
};

}  // namespace

std::string DwordToMasmHex(uint32_t value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (digits == "0") return "0H";
    return "0" + digits + "H";
}

void TranslateEnumeration(AggregateWork& work) {
    EnumerationTranslation(work).Run();
}

}  // namespace ondavel
