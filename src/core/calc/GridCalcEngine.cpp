#include "core/calc/GridCalcEngine.h"

#include <cfenv>

#include "core/base/Errors.h"
#include "core/base/Messages.h"
#include "core/calc/CalcError.h"
#include "core/document/NumberText.h"
#include "core/locale/CaseMapping.h"
#include "core/locale/Cp932.h"
#include "core/locale/NumberFormat.h"

namespace tabulo {
namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `text` begins with `prefix`, ignoring the case of ASCII letters.
// The names are ASCII, so a match never ends inside a double-byte character.
bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiUpper(text[i]) != AsciiUpper(prefix[i])) return false;
  }
  return true;
}

// Replaces every "[title]" by "%index%" and then deletes the ASCII spaces.
// The brackets are searched character by character in the document's
// encoding, so the second byte of a double-byte character (ゼ is 0x83 0x5B)
// is never taken for one. Text
// before a replaced reference holds no bracket any more, so each search
// goes on from the end of the last reference.
std::string ResolveColumnTitles(std::string_view formula, const TableDocument* grid) {
  std::string out;
  out.reserve(formula.size());
  const TextEncoding encoding = grid ? grid->Encoding().encoding : TextEncoding::ShiftJis;
  std::size_t pos = 0;
  while (true) {
    const std::size_t open = FindChar(formula, '[', pos, encoding);
    if (open == std::string_view::npos) break;
    const std::size_t close = FindChar(formula, ']', pos, encoding);
    if (close == std::string_view::npos || close < open) throw SilentAbort();
    const int col = grid ? FindTitleColumn(*grid, formula.substr(open + 1, close - open - 1)) : -1;
    if (col < 0) throw SilentAbort();
    out.append(formula.substr(pos, open - pos));
    out += '%';
    out += std::to_string(col);
    out += '%';
    pos = close + 1;
  }
  out.append(formula.substr(pos));
  std::erase(out, ' ');  // a space is never part of a double-byte character
  return out;
}

// Recursive descent over the resolved text, appending tokens in postfix
// order. It counts the values the program will hold pending at each step
// and the nesting of the descent, and rejects a formula that exceeds either
// limit: the evaluation stack is fixed, and so is the machine's.
class Parser {
 public:
  Parser(std::string_view text, std::vector<TCalcToken>& program) : m_rest(text), m_program(program) {}

  void Formula() {
    Expression();
    if (!m_rest.empty()) throw SilentAbort();
  }

 private:
  void Expression() {
    Term();
    while (!m_rest.empty() && (m_rest[0] == '+' || m_rest[0] == '-')) {
      const std::size_t op = m_rest[0] == '+' ? kAddOperator : kSubtractOperator;
      SkipOperator();
      Term();
      AppendOperator(op);
    }
  }

  void Term() {
    Power();
    while (!m_rest.empty() && (m_rest[0] == '*' || m_rest[0] == '/')) {
      const std::size_t op = m_rest[0] == '*' ? kMultiplyOperator : kDivideOperator;
      SkipOperator();
      Power();
      AppendOperator(op);
    }
  }

  void Power() {
    Factor();
    while (!m_rest.empty() && m_rest[0] == '^') {
      SkipOperator();
      Factor();
      AppendOperator(kPowerOperator);
    }
  }

  void Factor() {
    if (m_rest.empty()) throw SilentAbort();
    const char first = m_rest[0];
    if (first == '+' || first == '-' || first == '.' || IsDigit(first)) return Literal();
    if (first == '%') return ColumnReference();
    if (first == '(') {
      m_rest.remove_prefix(1);
      Nested();
      return;
    }
    if (Variable() || Statistic() || FunctionCall()) return;
    throw SilentAbort();
  }

  // A sign may only come first, a point only once. A literal of nothing but
  // a sign or a point is 0; one too large for extended precision is kept as
  // an overflow for the evaluation to report.
  void Literal() {
    bool point = m_rest[0] == '.';
    bool digits = IsDigit(m_rest[0]);
    std::size_t length = 1;
    for (; length < m_rest.size(); ++length) {
      const char c = m_rest[length];
      if (IsDigit(c)) {
        digits = true;
      } else if (c == '.' && !point) {
        point = true;
      } else {
        break;
      }
    }
    TCalcToken token;
    if (digits) {
      const auto value = ParseReal(m_rest.substr(0, length));
      token.value = value.value_or(0);
      token.overflow = !value;
    }
    m_rest.remove_prefix(length);
    Append(token, +1);
  }

  void ColumnReference() {
    const std::size_t close = m_rest.find('%', 1);
    if (close == std::string_view::npos || close == 1) throw SilentAbort();
    const auto col = ParseInt32(m_rest.substr(1, close - 1));
    if (!col) throw SilentAbort();
    m_rest.remove_prefix(close + 1);
    TCalcToken token;
    token.kind = TCalcToken::Kind::Column;
    token.column = *col;
    Append(token, +1);
  }

  bool Variable() {
    for (const TVarItem& item : VarItems()) {
      if (!StartsWithNoCase(m_rest, item.Name)) continue;
      m_rest.remove_prefix(item.Name.size());
      TCalcToken token;
      token.kind = TCalcToken::Kind::Variable;
      token.var = &item;
      Append(token, +1);
      return true;
    }
    return false;
  }

  // Name(%R1%,%R2%): after the titles are resolved, a statistic's arguments
  // can only be two column references.
  bool Statistic() {
    for (const TToukeiItem& item : ToukeiItems()) {
      if (!StartsWithNoCase(m_rest, item.Name) || m_rest.substr(item.Name.size(), 2) != "(%") continue;
      m_rest.remove_prefix(item.Name.size() + 2);
      const std::string_view first = TakeDigits();
      Expect("%,%");
      const std::string_view last = TakeDigits();
      Expect("%)");
      AppendColumnIndex(first);
      AppendColumnIndex(last);
      TCalcToken token;
      token.kind = TCalcToken::Kind::Statistic;
      token.toukei = &item;
      Append(token, -1);
      return true;
    }
    return false;
  }

  // Name(X). The "(" belongs to the pattern, so Sqr never takes a call of
  // Sqrt, nor Log2 one of Log10.
  bool FunctionCall() {
    for (const TFuncItem& item : FuncItems().subspan(kOperatorCount)) {
      if (!StartsWithNoCase(m_rest, item.Name) || m_rest.substr(item.Name.size(), 1) != "(") continue;
      m_rest.remove_prefix(item.Name.size() + 1);
      Nested();
      TCalcToken token;
      token.kind = TCalcToken::Kind::Function;
      token.func = &item;
      Append(token, 0);
      return true;
    }
    return false;
  }

  // An expression closed by ")", the "(" already taken.
  void Nested() {
    if (++m_nesting > TGridCalcEngine::kMaxNesting) throw SilentAbort();
    Expression();
    Expect(")");
    --m_nesting;
  }

  void SkipOperator() {
    m_rest.remove_prefix(1);
    if (m_rest.empty()) throw SilentAbort();
  }

  void Expect(std::string_view text) {
    if (!m_rest.starts_with(text)) throw SilentAbort();
    m_rest.remove_prefix(text.size());
  }

  std::string_view TakeDigits() {
    std::size_t length = 0;
    while (length < m_rest.size() && IsDigit(m_rest[length])) ++length;
    const std::string_view digits = m_rest.substr(0, length);
    m_rest.remove_prefix(length);
    return digits;
  }

  void AppendColumnIndex(std::string_view digits) {
    const auto index = ParseInt32(digits);
    if (!index) throw ConvertError(FormatMessage(MessageId::NotAnInteger, {digits}));
    TCalcToken token;
    token.value = *index;
    Append(token, +1);
  }

  void AppendOperator(std::size_t index) {
    TCalcToken token;
    token.kind = TCalcToken::Kind::Function;
    token.func = &FuncItems()[index];
    Append(token, -1);
  }

  // `effect`: how the token changes the number of pending values.
  void Append(const TCalcToken& token, int effect) {
    m_depth += effect;
    if (m_depth > TCalcStack::kCapacity) throw SilentAbort();
    m_program.push_back(token);
  }

  std::string_view m_rest;
  std::vector<TCalcToken>& m_program;
  int m_depth = 0;
  int m_nesting = 0;
};

constexpr int kFaultFlags = FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO;

// Watches the floating-point status flags over one evaluation: starts with
// them clear, reports what the evaluation raised, and gives the caller back
// the flags it had. Testing the flags is cheap but not free, so it happens
// once at each end; saving and restoring them happens only when some were
// raised.
class FaultFlagScope {
 public:
  FaultFlagScope() noexcept : m_before(std::fetestexcept(kFaultFlags)) {
    if (m_before != 0) {
      std::fegetexceptflag(&m_saved, kFaultFlags);
      std::feclearexcept(kFaultFlags);
    }
  }
  ~FaultFlagScope() {
    const int now = m_tested ? m_raised : std::fetestexcept(kFaultFlags);
    if (now == m_before) return;
    std::feclearexcept(kFaultFlags);
    if (m_before != 0) std::fesetexceptflag(&m_saved, kFaultFlags);
  }
  FaultFlagScope(const FaultFlagScope&) = delete;
  FaultFlagScope& operator=(const FaultFlagScope&) = delete;

  // Called once, when the evaluation is done.
  void ThrowIfRaised() {
    m_raised = std::fetestexcept(kFaultFlags);
    m_tested = true;
    if (m_raised & FE_OVERFLOW) throw CalcError(CalcFault::Overflow);
    if (m_raised & FE_DIVBYZERO) throw CalcError(CalcFault::ZeroDivide);
    if (m_raised & FE_INVALID) throw CalcError(CalcFault::InvalidOperation);
  }

 private:
  int m_before;
  int m_raised = 0;
  bool m_tested = false;
  std::fexcept_t m_saved{};
};

}  // namespace

int FindTitleColumn(const TableDocument& grid, std::string_view title) {
  const TextEncoding encoding = grid.Encoding().encoding;
  const std::string wanted = UpperCase(title, encoding);
  for (int col = 0; col < grid.ColCount(); ++col) {
    const std::string_view candidate = grid.Cell(col, 0);
    if (candidate.size() == wanted.size() && UpperCase(candidate, encoding) == wanted) return col;
  }
  return -1;
}

void TGridCalcEngine::SetExpression(std::string_view formula) {
  m_program.clear();
  const std::string text = ResolveColumnTitles(formula, m_grid);
  std::vector<TCalcToken> program;
  Parser(text, program).Formula();
  m_program = std::move(program);
}

long double TGridCalcEngine::EvaluateValue(int col, int row) const {
  if (m_program.empty() || m_grid == nullptr) throw SilentAbort();
  const TableDocument& grid = *m_grid;
  const TCalcRow cells(grid, row);
  FaultFlagScope flags;
  TCalcStack stack;
  for (const TCalcToken& token : m_program) {
    switch (token.kind) {
      case TCalcToken::Kind::Literal:
        if (token.overflow) throw CalcError(CalcFault::Overflow);
        stack.Push(token.value);
        break;
      case TCalcToken::Kind::Column:
        stack.Push(ReadCellNumber(grid.Cell(token.column, row)).value_or(0));
        break;
      case TCalcToken::Kind::Variable:
        stack.Push(token.var->Proc(grid, col, row));
        break;
      case TCalcToken::Kind::Statistic:
        token.toukei->Proc(cells, stack);
        break;
      case TCalcToken::Kind::Function:
        token.func->Proc(stack);
        break;
    }
  }
  const long double result = stack.Top();  // a compiled program leaves exactly one value
  flags.ThrowIfRaised();
  return result;
}

std::string TGridCalcEngine::Evaluate(int col, int row) const { return FormatGeneral(EvaluateValue(col, row)); }

}  // namespace tabulo
