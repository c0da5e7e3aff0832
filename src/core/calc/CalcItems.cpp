#include "core/calc/CalcItems.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "core/base/Errors.h"
#include "core/calc/CalcError.h"
#include "core/calc/RunningFigures.h"
#include "core/document/NumberText.h"

namespace tabulo {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

long double NumberOrZero(std::string_view text) {
  const auto value = ReadCellNumber(text);
  return value ? *value : 0.0L;
}

// ---- Variables ----

long double SelfValue(const TableDocument& grid, int col, int row) { return NumberOrZero(grid.Cell(col, row)); }
long double ColNoValue(const TableDocument&, int col, int) { return col; }
long double RowNoValue(const TableDocument&, int, int row) { return row; }
long double ColCountValue(const TableDocument& grid, int, int) { return grid.ColCount() - TableDocument::FixedCols(); }
long double RowCountValue(const TableDocument& grid, int, int) { return grid.RowCount() - TableDocument::FixedRows(); }
long double PiValue(const TableDocument&, int, int) { return kPi; }

// ---- Statistics ----

// The cells of columns R1..R2 of the target row that read as numbers. R1 and
// R2 are truncated toward zero; the range is cut to the grid's columns, which
// changes nothing because a cell outside the grid is empty and so skipped,
// but keeps Sum(%0%,%2000000000%) from visiting two thousand million columns.
class CellNumbers {
 public:
  CellNumbers(const TCalcRow& cells, long double r1, long double r2) : m_cells(cells) {
    const long double first = std::max(std::trunc(r1), 0.0L);
    const long double last = std::min(std::trunc(r2), static_cast<long double>(cells.ColCount() - 1));
    if (first <= last) {  // also false when either is NaN
      m_first = static_cast<int>(first);
      m_last = static_cast<int>(last);
    }
  }

  template <typename Visit>
  void ForEach(Visit visit) const {
    for (int col = m_first; col <= m_last; ++col) {
      if (const auto value = ReadCellNumber(m_cells.Cell(col))) visit(*value);
    }
  }

 private:
  const TCalcRow& m_cells;
  int m_first = 0;
  int m_last = -1;
};

RunningFigures Summarize(const CellNumbers& numbers) {
  RunningFigures figures;
  numbers.ForEach([&](long double value) { figures.Add(value); });
  return figures;
}

template <long double (*Compute)(const CellNumbers&)>
void Statistic(const TCalcRow& cells, TCalcStack& stack) {
  const long double r2 = stack.Pop();
  long double& r1 = stack.Top();
  r1 = Compute(CellNumbers(cells, r1, r2));
}

long double SumOf(const CellNumbers& numbers) { return Summarize(numbers).Sum(); }
long double MeanOf(const CellNumbers& numbers) { return Summarize(numbers).Mean(); }
long double MaxOf(const CellNumbers& numbers) { return Summarize(numbers).Max(); }
long double MinOf(const CellNumbers& numbers) { return Summarize(numbers).Min(); }
long double VarianceOf(const CellNumbers& numbers) { return Summarize(numbers).Variance(); }
long double StdDevOf(const CellNumbers& numbers) { return Summarize(numbers).StdDev(); }

// ---- Operators ----

// L raised to a whole power by repeated squaring. The base is squared only
// while higher bits remain, so no intermediate overflows unless the result
// does.
long double IntegralPower(long double base, std::uint64_t exponent) {
  long double result = 1;
  while (true) {
    if (exponent & 1u) result *= base;
    exponent >>= 1;
    if (exponent == 0) return result;
    base *= base;
  }
}

long double PowerOf(long double left, long double right) {
  if (right == 0) return 1;
  if (left == 0 && right > 0) return 0;
  if (right == std::trunc(right) && std::fabs(right) <= 2147483647.0L) {
    const auto magnitude = static_cast<std::uint64_t>(std::fabs(right));
    if (right > 0) return IntegralPower(left, magnitude);
    // A power whose magnitude overflows has a reciprocal below the normal
    // range: that is an underflow, which is no failure, so such a power is
    // taken of the reciprocal instead and its overflow flag withdrawn.
    const bool overflowBefore = std::fetestexcept(FE_OVERFLOW) != 0;
    const long double power = IntegralPower(left, magnitude);
    if (std::isinf(power) && !overflowBefore) {
      std::feclearexcept(FE_OVERFLOW);
      return IntegralPower(1 / left, magnitude);
    }
    return 1 / power;  // 0 to a negative power divides by zero
  }
  return std::exp(right * std::log(left));  // a negative left gives an invalid operation
}

void Power(TCalcStack& stack) {
  const long double right = stack.Pop();
  stack.Top() = PowerOf(stack.Top(), right);
}
void Multiply(TCalcStack& stack) {
  const long double right = stack.Pop();
  stack.Top() *= right;
}
void Divide(TCalcStack& stack) {
  const long double right = stack.Pop();
  if (right == 0) throw SilentAbort();
  stack.Top() /= right;
}
void Add(TCalcStack& stack) {
  const long double right = stack.Pop();
  stack.Top() += right;
}
void Subtract(TCalcStack& stack) {
  const long double right = stack.Pop();
  stack.Top() -= right;
}

// ---- Functions ----

template <long double (*Compute)(long double)>
void Function(TCalcStack& stack) {
  stack.Top() = Compute(stack.Top());
}

// The results of Ceil, Floor, Round and Trunc are 32-bit integers.
long double Int32Result(long double value) {
  if (!(value >= -2147483648.0L && value <= 2147483647.0L)) throw CalcError(CalcFault::InvalidOperation);
  return value;
}

long double Ceiling(long double x) {
  long double whole = std::trunc(x);
  if (x - whole > 0) whole += 1;
  return Int32Result(whole);
}
long double Flooring(long double x) {
  long double whole = std::trunc(x);
  if (x - whole < 0) whole -= 1;
  return Int32Result(whole);
}
// Halves go to the even neighbour: 2.5 → 2, 3.5 → 4, -2.5 → -2.
long double Rounding(long double x) {
  long double whole = std::trunc(x);
  const long double fraction = std::fabs(x - whole);  // exact
  if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0)) whole += x < 0 ? -1 : 1;
  return Int32Result(whole);
}
long double Truncation(long double x) { return Int32Result(std::trunc(x)); }
long double Fraction(long double x) { return x - std::trunc(x); }
long double Whole(long double x) { return std::trunc(x); }
long double Absolute(long double x) { return std::fabs(x); }
long double Exponential(long double x) { return std::exp(x); }
long double NaturalLog(long double x) { return std::log(x); }
long double BinaryLog(long double x) { return std::log2(x); }
long double DecimalLog(long double x) { return std::log10(x); }
long double Square(long double x) { return x * x; }
long double SquareRoot(long double x) {
  if (x < 0) throw SilentAbort();
  return std::sqrt(x);
}
void RequireCosineRange(long double x) {
  if (x < -1 || x > 1) throw SilentAbort();
}
long double ArcCosine(long double x) {
  RequireCosineRange(x);
  return std::atan2(std::sqrt(1 - x * x), x);
}
long double ArcSine(long double x) {
  RequireCosineRange(x);
  return std::atan2(x, std::sqrt(1 - x * x));
}
long double ArcTangent(long double x) { return std::atan(x); }
// Beyond 2^63 the angle has no fraction of a turn left to speak of; such
// angles give 0, as the processor's own instruction leaves them.
constexpr long double kTrigLimit = 9223372036854775808.0L;
long double Cosine(long double x) { return std::fabs(x) >= kTrigLimit ? 0 : std::cos(x); }
long double Sine(long double x) { return std::fabs(x) >= kTrigLimit ? 0 : std::sin(x); }
long double Tangent(long double x) { return std::tan(x); }
long double CoTangent(long double x) {
  if (x == 0) throw SilentAbort();
  return 1 / std::tan(x);
}
long double DegreesToRadians(long double x) { return x * kPi / 180; }
long double RadiansToDegrees(long double x) { return x * 180 / kPi; }
long double CyclesToRadians(long double x) { return x * (2 * kPi); }
long double RadiansToCycles(long double x) { return x / (2 * kPi); }
long double GradsToRadians(long double x) { return x * kPi / 200; }
long double RadiansToGrads(long double x) { return x * 200 / kPi; }

constexpr std::array<TVarItem, 6> kVarItems{{
    {"Self", SelfValue, "セル自身のデータを返します。"},
    {"ColNo", ColNoValue, "列番号を返します。（ 1,2,3... ）"},
    {"RowNo", RowNoValue, "行番号を返します。（ 1,2,3... ）"},
    {"ColCount", ColCountValue, "列数を返します。（行番号の列は含みません）"},
    {"RowCount", RowCountValue, "行数を返します。（タイトル行は含みません）"},
    {"PI", PiValue, "円周率を返します。"},
}};

constexpr std::array<TToukeiItem, 6> kToukeiItems{{
    {"Sum", Statistic<SumOf>, "R1からR2の値の合計をを返します。"},
    {"Mean", Statistic<MeanOf>, "R1からR2の値の平均を返します。"},
    {"Max", Statistic<MaxOf>, "R1からR2の値の最大値を返します。"},
    {"Min", Statistic<MinOf>, "R1からR2の値の最小値を返します。"},
    {"Variance", Statistic<VarianceOf>, "R1からR2の値の分散を返します。"},
    {"StdDev", Statistic<StdDevOf>, "R1からR2の値の標準偏差を返します。"},
}};

constexpr std::array<TFuncItem, 31> kFuncItems{{
    {"^", Power, ""},
    {"*", Multiply, ""},
    {"/", Divide, ""},
    {"+", Add, ""},
    {"-", Subtract, ""},
    {"ABS", Function<Absolute>, "X の絶対値を返します。"},
    {"Ceil", Function<Ceiling>, "X の値を切り上げます。"},
    {"Exp", Function<Exponential>, "e（自然対数の底）の X 乗の値を返します。"},
    {"Floor", Function<Flooring>, "X の値を切り下げます。"},
    {"Frac", Function<Fraction>, "X の小数部分を返します。"},
    {"Int", Function<Whole>, "X の小数部を切り捨てた値を返します。"},
    {"Ln", Function<NaturalLog>, "X の自然対数（Ln(e) = 1）を返します。"},
    {"Log2", Function<BinaryLog>, "2 を底とする X の対数を返します。"},
    {"Log10", Function<DecimalLog>, "10 を底とする X の対数を返します。"},
    {"Round", Function<Rounding>, "X の値を丸めてもっとも近い整数値を返します。"},
    {"Sqr", Function<Square>, "X の 2 乗を返します。"},
    {"Sqrt", Function<SquareRoot>, "X の平方根を返します。"},
    {"Trunc", Function<Truncation>, "X の値を切り捨てて整数型の値にします。"},
    {"ArcCos", Function<ArcCosine>, "X のアークコサイン(逆余弦)を返します。"},
    {"ArcSin", Function<ArcSine>, "X のアークサイン(逆正弦)を返します。"},
    {"ArcTan", Function<ArcTangent>, "X のアークタンジェント(逆正接)を返します。"},
    {"Cos", Function<Cosine>, "X のコサイン(余弦)を返します。"},
    {"CoTan", Function<CoTangent>, "X のコタンジェントを返します。"},
    {"Sin", Function<Sine>, "X のサイン(正弦)を返します。"},
    {"Tan", Function<Tangent>, "X のタンジェント(正接)を返します。"},
    {"DegToRad", Function<DegreesToRadians>, "度単位の角度をラジアン単位に変換します。"},
    {"RadToDeg", Function<RadiansToDegrees>, "ラジアン単位の角度を度単位に変換します。"},
    {"CycleToRad", Function<CyclesToRadians>, "サイクル単位の角度をラジアン単位に変換します。"},
    {"RadToCycle", Function<RadiansToCycles>, "ラジアン単位の角度をサイクル単位に変換します。"},
    {"GradToRad", Function<GradsToRadians>, "グラード単位の角度をラジアンに変換します。"},
    {"RadToGrad", Function<RadiansToGrads>, "ラジアン単位の角度をグラード単位に変換します。"},
}};

}  // namespace

std::span<const TVarItem> VarItems() noexcept { return kVarItems; }
std::span<const TToukeiItem> ToukeiItems() noexcept { return kToukeiItems; }
std::span<const TFuncItem> FuncItems() noexcept { return kFuncItems; }

}  // namespace tabulo
