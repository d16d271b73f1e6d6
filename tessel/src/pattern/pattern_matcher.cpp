#include "pattern_matcher.h"

#include <algorithm>
#include <limits>

namespace tessel {

bool PatternMatcher::compile(std::u16string_view pattern) {
  program_ = pattern::compilePattern(pattern);
  found_ = false;
  literalBorders_.clear();
  if (program_) {
    // For each prefix of the required literal, the length of its longest proper border
    // (a prefix that is also a suffix), so the literal is found in one pass over the text.
    const std::u16string& literal = program_->requiredLiteral;
    literalBorders_.assign(literal.size(), 0);
    for (std::size_t i = 1, border = 0; i < literal.size(); ++i) {
      while (border > 0 && literal[i] != literal[border]) border = literalBorders_[border - 1];
      if (literal[i] == literal[border]) ++border;
      literalBorders_[i] = border;
    }
  }
  return program_.has_value();
}

bool PatternMatcher::containsRequiredLiteral(std::u16string_view text, std::int32_t from) {
  const std::u16string& literal = program_->requiredLiteral;
  std::size_t matched = 0;
  for (auto i = static_cast<std::size_t>(from); i < text.size(); ++i) {
    while (matched > 0 && text[i] != literal[matched]) matched = literalBorders_[matched - 1];
    if (text[i] == literal[matched]) ++matched;
    if (matched == literal.size()) {
      spend(i + 1 - static_cast<std::size_t>(from));
      return true;
    }
  }
  spend(text.size() - static_cast<std::size_t>(from));
  return false;
}

void PatternMatcher::setStepBudget(std::uint64_t steps) {
  budget_ = steps;
  exhausted_ = false;
}

bool PatternMatcher::spend(std::uint64_t steps) {
  if (steps > budget_) {
    budget_ = 0;
    exhausted_ = true;
    return false;
  }
  budget_ -= steps;
  return true;
}

std::int32_t PatternMatcher::find(std::u16string_view text) { return search(text, 0, 0, false, nullptr); }

std::int32_t PatternMatcher::search(std::u16string_view text, std::int32_t from, std::int64_t lineStart,
                                    bool skipEmpty, std::vector<Trial>* tried) {
  found_ = false;
  if (!program_ || exhausted_) return -1;
  if (text.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    exhausted_ = true;  // positions would not fit the backtracking frames
    return -1;
  }
  const pattern::Program& program = *program_;
  const auto n = static_cast<std::int32_t>(text.size());
  text_ = text;
  lineStart_ = lineStart;

  if (!program.requiredLiteral.empty() && !containsRequiredLiteral(text, from)) return -1;

  // Tries one start position; true when the search ends there.
  auto trial = [&](std::int32_t start) {
    if (tryAt(start) && !(skipEmpty && slots_[1] == start)) {
      found_ = true;
      return true;
    }
    // A trial that looked at no more than its own start position never needs repeating
    // (the text only changes at or after a later match).
    if (tried && !exhausted_ && reach_ > start && (tried->empty() || reach_ > tried->back().reach))
      tried->push_back({start, reach_});
    return false;
  };

  if (program.anchored) {
    if (lineStart < from || lineStart > n) return -1;
    const auto start = static_cast<std::int32_t>(lineStart);
    return trial(start) ? start : -1;
  }
  for (std::int32_t start = from; start <= n && !exhausted_; ++start) {
    if (program.firstChar) {
      const std::size_t at = text.find(*program.firstChar, static_cast<std::size_t>(start));
      const std::int32_t next = at == std::u16string_view::npos ? n : static_cast<std::int32_t>(at);
      spend(next - start);
      if (next == n) break;
      start = next;
    }
    if (trial(start)) return start;
  }
  return -1;
}

std::int32_t PatternMatcher::repeatCount(const pattern::Node& node, std::int32_t pos) const {
  const auto n = static_cast<std::int32_t>(text_.size());
  std::int32_t end = pos;
  switch (node.operand) {
    case pattern::Op::Any:
      end = n;
      break;
    case pattern::Op::AnyOf: {
      const pattern::CharList& set = program_->sets[node.a];
      while (end < n && set.contains(text_[end])) ++end;
      break;
    }
    default:
      while (end < n && text_[end] == node.a) ++end;
      break;
  }
  return end - pos;
}

// The largest count from k down to the node's minimum after which the required following
// character (if any) comes next; -1 when there is none.
std::int32_t PatternMatcher::nextRepeatCount(const pattern::Node& node, std::int32_t pos, std::int32_t k) const {
  const auto n = static_cast<std::int32_t>(text_.size());
  for (; k >= node.min; --k) {
    if (node.b < 0 || (pos + k < n && text_[pos + k] == node.b)) return k;
  }
  return -1;
}

bool PatternMatcher::tryAt(std::int32_t start) {
  std::fill(std::begin(slots_), std::end(slots_), -1);
  reach_ = start;
  stack_.clear();
  const pattern::Program& program = *program_;
  const auto n = static_cast<std::int32_t>(text_.size());
  auto look = [&](std::int32_t at) { reach_ = std::max(reach_, at); };
  auto push = [&](Frame::Kind kind, std::int32_t pc, std::int32_t pos, std::int32_t k) {
    if (stack_.size() == kMaxBacktrackFrames) {
      exhausted_ = true;
      return;
    }
    stack_.push_back({kind, pc, pos, k});
  };

  std::int32_t pc = 0;
  std::int32_t pos = start;
  while (spend(1)) {
    const pattern::Node& node = program.nodes[static_cast<std::size_t>(pc)];
    bool ok = true;
    switch (node.op) {
      case pattern::Op::Match:
        slots_[0] = start;
        slots_[1] = pos;
        return true;
      case pattern::Op::LineStart:
        ok = pos == lineStart_;
        ++pc;
        break;
      case pattern::Op::LineEnd:
        look(pos);
        ok = pos == n;
        ++pc;
        break;
      case pattern::Op::Any:
        look(pos);
        ok = pos < n;
        ++pos;
        ++pc;
        break;
      case pattern::Op::AnyOf:
        look(pos);
        ok = pos < n && program.sets[node.a].contains(text_[pos]);
        ++pos;
        ++pc;
        break;
      case pattern::Op::Literal: {
        const char16_t* run = program.literals.data() + node.a;
        std::int32_t j = 0;
        while (j < node.b && pos + j < n && text_[pos + j] == run[j]) ++j;
        look(pos + j);
        spend(j);
        ok = j == node.b;
        pos += j;
        ++pc;
        break;
      }
      case pattern::Op::Split:
        push(Frame::Kind::Alternative, pc + node.b, pos, 0);
        pc += node.a;
        break;
      case pattern::Op::Jump:
        pc += node.a;
        break;
      case pattern::Op::Save:
        push(Frame::Kind::Restore, node.a, slots_[node.a], 0);
        slots_[node.a] = pos;
        ++pc;
        break;
      case pattern::Op::Repeat: {
        const std::int32_t count = repeatCount(node, pos);
        spend(count);
        look(pos + count);
        const std::int32_t k = nextRepeatCount(node, pos, count);
        ok = k >= 0;
        if (ok) {
          if (k > node.min) push(Frame::Kind::Backoff, pc, pos, k - 1);
          pos += k;
          ++pc;
        }
        break;
      }
    }
    if (exhausted_) return false;
    if (!ok && !backtrack(pc, pos)) return false;
  }
  return false;
}

bool PatternMatcher::backtrack(std::int32_t& pc, std::int32_t& pos) {
  while (!stack_.empty() && spend(1)) {
    const Frame frame = stack_.back();
    stack_.pop_back();
    switch (frame.kind) {
      case Frame::Kind::Restore:
        slots_[frame.pc] = frame.pos;
        break;
      case Frame::Kind::Alternative:
        pc = frame.pc;
        pos = frame.pos;
        return true;
      case Frame::Kind::Backoff: {
        const pattern::Node& node = program_->nodes[static_cast<std::size_t>(frame.pc)];
        const std::int32_t k = nextRepeatCount(node, frame.pos, frame.k);
        if (k < 0) break;
        if (k > node.min) stack_.push_back({Frame::Kind::Backoff, frame.pc, frame.pos, k - 1});
        pc = frame.pc + 1;
        pos = frame.pos + k;
        return true;
      }
    }
  }
  return false;
}

std::int32_t PatternMatcher::matchLength() const { return found_ ? slots_[1] - slots_[0] : 0; }

std::u16string_view PatternMatcher::group(int n, std::u16string_view source) const {
  const std::int32_t start = slots_[2 * n];
  const std::int32_t end = slots_[2 * n + 1];
  if (!found_ || start < 0 || end < start) return {};
  return source.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

void PatternMatcher::expand(std::u16string_view replacement, std::u16string_view source,
                            std::u16string& out) const {
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    const char16_t c = replacement[i];
    const char16_t next = i + 1 < replacement.size() ? replacement[i + 1] : u'\0';
    if (c == u'&') {
      out.append(group(0, source));
    } else if (c == u'\\' && next >= u'0' && next <= u'9') {
      out.append(group(next - u'0', source));
      ++i;
    } else if (c == u'\\' && (next == u'\\' || next == u'&')) {
      out.push_back(next);
      ++i;
    } else {
      out.push_back(c);
    }
  }
}

}  // namespace tessel
