// Pattern syntax: ordinary characters, \c (c itself), . ^ $ [list] [^list] (group) p|q and
// the quantifiers * + ? (greedy). Groups are numbered 1 to 9 by their opening parenthesis.
//
// The parser keeps an explicit stack of open groups instead of recursing, and builds each
// piece's code as a relocatable fragment (all jumps are relative), so a quantifier can wrap
// the piece before it.
#include <algorithm>

#include "pattern_program.h"

namespace tessel::pattern {

void CharList::addRange(char16_t first, char16_t last) {
  for (; first < 128 && first <= last; ++first) ascii_.set(first);
  if (first <= last) ranges_.emplace_back(first, last);
}

void CharList::finish() {
  std::sort(ranges_.begin(), ranges_.end());
  std::vector<std::pair<char16_t, char16_t>> merged;
  for (const auto& r : ranges_) {
    if (!merged.empty() && r.first <= merged.back().second + 1)
      merged.back().second = std::max(merged.back().second, r.second);
    else
      merged.push_back(r);
  }
  ranges_ = std::move(merged);
}

bool CharList::inRanges(char16_t c) const {
  auto it = std::upper_bound(ranges_.begin(), ranges_.end(), c,
                             [](char16_t v, const auto& r) { return v < r.first; });
  return it != ranges_.begin() && c <= std::prev(it)->second;
}

namespace {

bool isSpecial(char16_t c) {
  return std::u16string_view(u"^$.[()|?+*\\").find(c) != std::u16string_view::npos;
}
bool isQuantifier(char16_t c) { return c == u'*' || c == u'+' || c == u'?'; }

using Code = std::vector<Node>;

void append(Code& to, const Code& from) { to.insert(to.end(), from.begin(), from.end()); }

// One atom or quantified piece with the properties the quantifier rules and hints need.
struct Piece {
  Code code;
  bool hasWidth = false;          // cannot match the empty string
  bool simple = false;            // one character, `.` or a list: a single node
  bool startsWithRepeat = false;  // begins with a * or + piece
  bool plainLiteral = false;      // an unquantified literal run (code is one Literal node)
  bool plainLineStart = false;    // an unquantified ^
};

struct Branch {
  Code code;
  bool hasPieces = false;
  bool hasWidth = false;
  bool startsWithRepeat = false;
  // Hints, from the first piece and the plain literal runs.
  std::optional<std::int32_t> firstLiteral;  // offset of the first piece's run
  bool firstIsLineStart = false;
  std::int32_t longestOffset = 0, longestLength = 0;

  void add(const Piece& piece) {
    if (!hasPieces) {
      startsWithRepeat = piece.startsWithRepeat;
      if (piece.plainLiteral) firstLiteral = piece.code[0].a;
      firstIsLineStart = piece.plainLineStart;
    }
    hasPieces = true;
    hasWidth = hasWidth || piece.hasWidth;
    if (piece.plainLiteral && piece.code[0].b >= longestLength) {
      longestOffset = piece.code[0].a;
      longestLength = piece.code[0].b;
    }
    append(code, piece.code);
  }
};

struct Level {
  int group = 0;  // 0: the top level
  std::vector<Branch> alternatives;
  Branch current;
};

// Alternatives tried from left to right: each but the last is guarded by a Split whose
// failure leads to the next one, and ends with a Jump past the last.
Code alternation(const std::vector<Branch>& alternatives) {
  Code code;
  std::vector<std::size_t> jumps;
  for (std::size_t k = 0; k < alternatives.size(); ++k) {
    const Code& body = alternatives[k].code;
    if (k + 1 == alternatives.size()) {
      append(code, body);
      break;
    }
    code.push_back({.op = Op::Split, .a = 1, .b = static_cast<std::int32_t>(body.size()) + 2});
    append(code, body);
    jumps.push_back(code.size());
    code.push_back({.op = Op::Jump});
  }
  for (std::size_t at : jumps) code[at].a = static_cast<std::int32_t>(code.size() - at);
  return code;
}

class Compiler {
 public:
  explicit Compiler(std::u16string_view pattern) : p_(pattern) {}

  std::optional<Program> run() {
    levels_.emplace_back();
    while (i_ < p_.size()) {
      const char16_t c = p_[i_];
      if (c == u'|') {
        ++i_;
        finishBranch(levels_.back());
      } else if (c == u'(') {
        ++i_;
        if (groupCount_ == kMaxGroups) return std::nullopt;
        levels_.emplace_back().group = ++groupCount_;
      } else if (c == u')') {
        ++i_;
        if (levels_.size() == 1 || !addPiece(closeGroup())) return std::nullopt;
      } else {
        std::optional<Piece> atom = plainAtom();
        if (!atom || !addPiece(std::move(*atom))) return std::nullopt;
      }
    }
    if (levels_.size() != 1) return std::nullopt;  // an unclosed group
    Level& top = levels_.back();
    finishBranch(top);
    program_.nodes = alternation(top.alternatives);
    program_.nodes.push_back({.op = Op::Match});
    if (top.alternatives.size() == 1) setHints(top.alternatives.front());
    linkRepeatsToFollowingLiterals();
    return std::move(program_);
  }

 private:
  static void finishBranch(Level& level) {
    level.alternatives.push_back(std::move(level.current));
    level.current = Branch{};
  }

  Piece closeGroup() {
    Level level = std::move(levels_.back());
    levels_.pop_back();
    finishBranch(level);
    Piece group;
    group.code.push_back({.op = Op::Save, .a = 2 * level.group});
    append(group.code, alternation(level.alternatives));
    group.code.push_back({.op = Op::Save, .a = 2 * level.group + 1});
    group.hasWidth = std::all_of(level.alternatives.begin(), level.alternatives.end(),
                                 [](const Branch& b) { return b.hasWidth; });
    group.startsWithRepeat = std::any_of(level.alternatives.begin(), level.alternatives.end(),
                                         [](const Branch& b) { return b.startsWithRepeat; });
    return group;
  }

  // Every atom but a group.
  std::optional<Piece> plainAtom() {
    const char16_t c = p_[i_++];
    Piece atom;
    switch (c) {
      case u'^':
        atom.code.push_back({.op = Op::LineStart});
        atom.plainLineStart = true;
        return atom;
      case u'$':
        atom.code.push_back({.op = Op::LineEnd});
        return atom;
      case u'.':
        atom.code.push_back({.op = Op::Any});
        break;
      case u'[': {
        std::optional<std::int32_t> set = list();
        if (!set) return std::nullopt;
        atom.code.push_back({.op = Op::AnyOf, .a = *set});
        break;
      }
      case u'\\':
        if (i_ == p_.size()) return std::nullopt;
        atom.code.push_back(literal(p_.substr(i_++, 1)));
        atom.plainLiteral = true;
        break;
      case u'*':
      case u'+':
      case u'?':
        return std::nullopt;  // a quantifier with nothing before it
      default: {
        --i_;
        std::size_t length = 1;
        while (i_ + length < p_.size() && !isSpecial(p_[i_ + length])) ++length;
        // Before a quantifier, the run's last character is an atom of its own.
        if (length > 1 && i_ + length < p_.size() && isQuantifier(p_[i_ + length])) --length;
        atom.code.push_back(literal(p_.substr(i_, length)));
        atom.plainLiteral = true;
        i_ += length;
        break;
      }
    }
    atom.hasWidth = true;
    const Node& node = atom.code[0];
    atom.simple = node.op != Op::Literal || node.b == 1;
    return atom;
  }

  Node literal(std::u16string_view run) {
    Node node{.op = Op::Literal, .a = static_cast<std::int32_t>(program_.literals.size()),
              .b = static_cast<std::int32_t>(run.size())};
    program_.literals.append(run);
    return node;
  }

  // After `[`: the list up to `]`, as a set index. A `]` or `-` first is literal, a `-` last
  // is literal, and a-z is a range that starts at the character before the `-`.
  std::optional<std::int32_t> list() {
    const bool negated = i_ < p_.size() && p_[i_] == u'^';
    if (negated) ++i_;
    CharList set(negated);
    char16_t previous = 0;
    auto take = [&](char16_t c) {
      set.addRange(c, c);
      previous = c;
    };
    if (i_ < p_.size() && (p_[i_] == u']' || p_[i_] == u'-')) take(p_[i_++]);
    while (i_ < p_.size() && p_[i_] != u']') {
      const char16_t c = p_[i_++];
      if (c != u'-' || i_ == p_.size() || p_[i_] == u']') {
        take(c);
        continue;
      }
      const char16_t last = p_[i_++];
      if (last < previous) return std::nullopt;  // a descending range
      set.addRange(previous, last);
      previous = last;
    }
    if (i_ == p_.size()) return std::nullopt;  // no closing `]`
    ++i_;
    set.finish();
    program_.sets.push_back(std::move(set));
    return static_cast<std::int32_t>(program_.sets.size() - 1);
  }

  // Adds the atom to the open branch, wrapped in the quantifier that follows it, if any.
  bool addPiece(Piece atom) {
    if (i_ == p_.size() || !isQuantifier(p_[i_])) {
      levels_.back().current.add(atom);
      return true;
    }
    const char16_t q = p_[i_++];
    if (q != u'?' && !atom.hasWidth) return false;                 // a loop that could stand still
    if (i_ < p_.size() && isQuantifier(p_[i_])) return false;       // a quantifier on a quantifier
    Piece piece;
    const auto size = static_cast<std::int32_t>(atom.code.size());
    if (q != u'?' && atom.simple) {
      const Node& operand = atom.code[0];
      const std::int32_t value =
          operand.op == Op::Literal ? static_cast<std::int32_t>(program_.literals[operand.a]) : operand.a;
      piece.code.push_back({.op = Op::Repeat, .operand = operand.op,
                            .min = static_cast<std::uint8_t>(q == u'+'), .a = value, .b = -1});
    } else if (q == u'*') {
      piece.code.push_back({.op = Op::Split, .a = 1, .b = size + 2});
      append(piece.code, atom.code);
      piece.code.push_back({.op = Op::Jump, .a = -(size + 1)});
    } else if (q == u'+') {
      piece.code = atom.code;
      piece.code.push_back({.op = Op::Split, .a = -size, .b = 1});
    } else {
      piece.code.push_back({.op = Op::Split, .a = 1, .b = size + 1});
      append(piece.code, atom.code);
    }
    piece.hasWidth = q == u'+';
    piece.startsWithRepeat = q != u'?' || atom.startsWithRepeat;
    levels_.back().current.add(piece);
    return true;
  }

  void setHints(const Branch& only) {
    if (only.firstLiteral) program_.firstChar = program_.literals[*only.firstLiteral];
    program_.anchored = only.firstIsLineStart;
    if (only.startsWithRepeat && only.longestLength > 0)
      program_.requiredLiteral = program_.literals.substr(only.longestOffset, only.longestLength);
  }

  // A repetition followed (past group marks and jumps) by a literal only backs off to counts
  // where that literal's first character comes next.
  void linkRepeatsToFollowingLiterals() {
    std::vector<Node>& nodes = program_.nodes;
    for (std::size_t pc = 0; pc < nodes.size(); ++pc) {
      if (nodes[pc].op != Op::Repeat) continue;
      std::size_t next = pc + 1;
      for (std::size_t hops = 0; hops < nodes.size(); ++hops) {
        if (nodes[next].op == Op::Save) ++next;
        else if (nodes[next].op == Op::Jump) next += nodes[next].a;
        else break;
      }
      if (nodes[next].op == Op::Literal) nodes[pc].b = program_.literals[nodes[next].a];
    }
  }

  std::u16string_view p_;
  std::size_t i_ = 0;
  int groupCount_ = 0;
  std::vector<Level> levels_;
  Program program_;
};

}  // namespace

std::optional<Program> compilePattern(std::u16string_view pattern) { return Compiler(pattern).run(); }

}  // namespace tessel::pattern
