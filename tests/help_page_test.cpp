// The help page ships beside the program and quotes many of its figures:
// worked conversions, valid ranges, digit counts, box labels, error examples
// and auto-detected lengths. Every figure that the page marks with a data-
// attribute is checked here against what the program shows (the controller
// over an in-memory window), against the engine, and against machine-integer
// arithmetic, so the page cannot drift from the program.
//
// The page is read with plain string search: it is our own file, written with
// double-quoted attributes, so no HTML library is needed.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "controller/controller.h"
#include "controller/length_tools.h"
#include "engine/engine.h"
#include "expected_texts.h"
#include "fake_window.h"
#include "model.h"

#include "ui/version.h"  // plain macros: the addresses the About window shows

#ifndef QNS_HELP_HTML
#error "QNS_HELP_HTML must name the help page"
#endif

namespace {

// ---- Reading the page ------------------------------------------------------

bool read_file(const std::string& path, std::string& out) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    std::fclose(f);
    return true;
}

std::string load_page() {
    std::string s;
    const std::string path = QNS_HELP_HTML;
    if (read_file(path, s)) return s;
#ifdef _WIN32
    // Under Wine a Unix path names a file on drive Z:, which maps "/"; a bare
    // "/..." only works while the current drive is Z:.
    if (!path.empty() && path[0] == '/' && read_file("Z:" + path, s)) return s;
#endif
    return {};
}

const std::string& page() {
    static const std::string s = load_page();
    return s;
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// One element of the page: its tag, attributes and inner HTML.
struct Element {
    std::string tag;
    std::map<std::string, std::string> attrs;
    std::string inner;

    bool has(const std::string& a) const { return attrs.count(a) != 0; }
    std::string attr(const std::string& a, const std::string& fallback = "") const {
        auto it = attrs.find(a);
        return it == attrs.end() ? fallback : it->second;
    }
};

std::string decode_entities(const std::string& s) {
    static const std::map<std::string, std::string> named = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"nbsp", " "}};
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&') {
            const std::size_t semi = s.find(';', i);
            if (semi != std::string::npos && semi - i <= 8) {
                const std::string name = s.substr(i + 1, semi - i - 1);
                if (auto it = named.find(name); it != named.end()) {
                    out += it->second;
                    i = semi;
                    continue;
                }
                if (name.size() > 1 && name[0] == '#' && std::isdigit(static_cast<unsigned char>(name[1]))) {
                    const long code = std::strtol(name.c_str() + 1, nullptr, 10);
                    if (code > 0 && code < 128) {
                        out += static_cast<char>(code);
                        i = semi;
                        continue;
                    }
                }
            }
        }
        out += s[i];
    }
    return out;
}

// The visible text of a piece of HTML: tags dropped, entities decoded,
// blanks collapsed and trimmed.
std::string text_of(const std::string& html) {
    std::string raw;
    bool in_tag = false;
    for (char c : html) {
        if (c == '<') in_tag = true;
        else if (c == '>') in_tag = false;
        else if (!in_tag) raw += c;
    }
    raw = decode_entities(raw);
    std::string out;
    bool blank = false;
    for (char c : raw) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            blank = !out.empty();
        } else {
            if (blank) out += ' ';
            blank = false;
            out += c;
        }
    }
    return out;
}

// Every element within html that carries the attribute attr, in page order;
// with an empty attr, every element (its content is then not looked up).
std::vector<Element> elements_with(const std::string& html, const std::string& attr) {
    std::vector<Element> found;
    std::size_t pos = 0;
    while ((pos = html.find('<', pos)) != std::string::npos) {
        if (html.compare(pos, 4, "<!--") == 0) {
            const std::size_t end = html.find("-->", pos + 4);
            if (end == std::string::npos) break;
            pos = end + 3;
            continue;
        }
        std::size_t p = pos + 1;
        if (p >= html.size() || !std::isalpha(static_cast<unsigned char>(html[p]))) {
            ++pos;
            continue;
        }
        Element e;
        while (p < html.size() && std::isalnum(static_cast<unsigned char>(html[p]))) e.tag += html[p++];
        // Attributes up to the end of the start tag; values are double-quoted.
        bool ok = true;
        while (p < html.size() && html[p] != '>') {
            if (std::isspace(static_cast<unsigned char>(html[p])) || html[p] == '/') {
                ++p;
                continue;
            }
            std::string name;
            while (p < html.size() && html[p] != '=' && html[p] != '>' &&
                   !std::isspace(static_cast<unsigned char>(html[p])))
                name += html[p++];
            std::string value;
            if (p < html.size() && html[p] == '=') {
                if (p + 1 >= html.size() || html[p + 1] != '"') {
                    ok = false;
                    break;
                }
                const std::size_t close = html.find('"', p + 2);
                if (close == std::string::npos) {
                    ok = false;
                    break;
                }
                value = decode_entities(html.substr(p + 2, close - p - 2));
                p = close + 1;
            }
            e.attrs[name] = value;
        }
        if (!ok || p >= html.size()) break;
        const std::size_t body = p + 1;
        pos = body;
        if (attr.empty()) {  // every element, without its content
            found.push_back(e);
            continue;
        }
        if (!e.has(attr)) continue;
        // The matching end tag, counting nested elements of the same name.
        const std::string open = "<" + e.tag, close = "</" + e.tag + ">";
        int depth = 1;
        std::size_t q = body;
        while (depth > 0) {
            const std::size_t o = html.find(open, q), c = html.find(close, q);
            if (c == std::string::npos) break;
            if (o != std::string::npos && o < c &&
                (html[o + open.size()] == ' ' || html[o + open.size()] == '>')) {
                ++depth;
                q = o + open.size();
            } else {
                --depth;
                q = c + close.size();
                if (depth == 0) e.inner = html.substr(body, c - body);
            }
        }
        found.push_back(e);
    }
    return found;
}

// The cells of a row by their data-box name.
std::map<std::string, std::string> boxes_of(const Element& row) {
    std::map<std::string, std::string> cells;
    for (const Element& c : elements_with(row.inner, "data-box")) cells[c.attr("data-box")] = text_of(c.inner);
    return cells;
}

std::string describe(const Element& e) {
    std::string s = "<" + e.tag;
    for (const auto& [k, v] : e.attrs) s += " " + k + "=\"" + v + "\"";
    return s + ">";
}

// ---- Settings by name ------------------------------------------------------

controller::Base base_named(const std::string& b) {
    if (b == "bin") return controller::Base::bin;
    if (b == "oct") return controller::Base::oct;
    if (b == "hex") return controller::Base::hex;
    return controller::Base::dec;
}

controller::Mode mode_named(const std::string& m) {
    if (m == "ones") return controller::Mode::ones;
    if (m == "twos") return controller::Mode::twos;
    return controller::Mode::us;
}

// The result box that shows each base, per input base.
std::map<std::string, int> layout(const std::string& base) {
    using namespace controller;
    if (base == "bin") return {{"dec", result_box1}, {"oct", result_box2}, {"hex", result_box3}};
    if (base == "oct") return {{"dec", result_box1}, {"bin", result_box2}, {"hex", result_box3}};
    if (base == "hex") return {{"dec", result_box1}, {"bin", result_box2}, {"oct", result_box3}};
    return {{"bin", result_box1}, {"oct", result_box2}, {"hex", result_box3}};
}

// A freshly started main window with the given settings.
struct Session {
    fake::Window w;
    Session(const std::string& base, const std::string& mode, int len) {
        controller::reset_process_state();
        controller::init_main_window(w);
        controller::set_base(w, base_named(base));
        controller::set_mode(mode_named(mode));
        if (len > 0) controller::update_lens(len);
    }
};

int to_int(const std::string& s) {
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    return end && *end == '\0' && !s.empty() ? static_cast<int>(v) : -1;
}

// ---- The independent model of one conversion ------------------------------

std::string with_options(std::string hex, bool c_hex, bool c_small) {
    if (c_small)
        for (char& c : hex) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c_hex ? "0x" + hex : hex;
}

// What each result box shows for an accepted input, by machine arithmetic.
std::map<std::string, std::string> model_results(const std::string& mode, const std::string& base,
                                                 std::string input, int len) {
    const int lo = model::l_oct(len), lh = model::l_hex(len);
    const std::uint64_t m = model::mask(len);
    auto signed_value = [&](std::uint64_t pattern, int bits) {
        return mode == "ones" ? model::ones_value(pattern, bits) : model::twos_value(pattern, bits);
    };
    std::map<std::string, std::string> r;
    if (base == "dec") {
        const bool minus = !input.empty() && input[0] == '-';
        if (!input.empty() && (input[0] == '-' || input[0] == '+')) input.erase(0, 1);
        const std::uint64_t v = model::parse(input, 10);
        // Unsigned input is written straight at each digit count; signed
        // input goes through its len-bit complement form first.
        std::uint64_t pattern = mode == "us" ? v : v & m;
        if (minus) pattern = mode == "ones" ? ~v & m : (0 - v) & m;
        r["bin"] = model::fixed(pattern, 2, len);
        r["oct"] = model::fixed(pattern, 8, lo);
        r["hex"] = model::fixed(pattern, 16, lh);
        return r;
    }
    if (base == "bin") {
        const std::uint64_t v = model::parse(input, 2);
        // A typed binary number takes its first digit as the sign; the help
        // only shows numbers no wider than the length.
        const int bits = static_cast<int>(input.size());
        EXPECT_LE(bits, len) << "binary example wider than its length: " << input;
        r["dec"] = mode == "us" ? std::to_string(v) : std::to_string(signed_value(v, bits));
        r["oct"] = model::fixed(v, 8, lo);
        r["hex"] = model::fixed(v, 16, lh);
        return r;
    }
    if (base == "oct") {
        const std::uint64_t v = model::parse(input, 8);
        r["dec"] = mode == "us" ? std::to_string(v) : std::to_string(signed_value(v, len));
        r["bin"] = model::fixed(v, 2, len);
        r["hex"] = model::fixed(v & m, 16, lh);
        return r;
    }
    if (input.size() >= 2 && input[0] == '0' && (input[1] == 'x' || input[1] == 'X')) input.erase(0, 2);
    const std::uint64_t v = model::parse(input, 16);
    const int bits = 4 * lh;  // hexadecimal input gives a binary result of whole digits
    r["dec"] = mode == "us" ? std::to_string(v) : std::to_string(signed_value(v, len));
    r["bin"] = model::fixed(v, 2, bits);
    r["oct"] = model::fixed(v & model::mask(bits), 8, lo);
    return r;
}

// The same figures straight from the engine, for decimal input.
std::map<std::string, std::string> engine_results(const std::string& mode, const std::string& input, int len) {
    const int lo = model::l_oct(len), lh = model::l_hex(len);
    char b[34] = {}, o[34] = {}, h[34] = {};
    if (mode == "us") {
        const std::string digits = !input.empty() && input[0] == '+' ? input.substr(1) : input;
        const auto v = static_cast<std::uint32_t>(engine::str_int(digits.c_str()));
        engine::dec_bin(v, len, b);
        engine::dec_oct(v, lo, o);
        engine::dec_hex(v, lh, h);
    } else {
        if (mode == "ones")
            engine::ones_comp(input.c_str(), len, b);
        else
            engine::twos_comp(input.c_str(), len, b);
        engine::bin_oct(b, o, lo);
        engine::bin_hex(b, h, lh);
    }
    return {{"bin", b}, {"oct", o}, {"hex", h}};
}

// ---- Tests -------------------------------------------------------------------

class HelpPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(page().empty()) << "cannot read the help page " << QNS_HELP_HTML;
    }
};

TEST_F(HelpPage, StandsAloneWithoutScriptsOrOutsideResources) {
    const std::string s = lower(page());
    EXPECT_NE(s.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page().find("Quorvel Numeral Studio 1.1"), std::string::npos);
    // Nothing that runs or loads: no scripts, frames, objects, pictures,
    // style sheets or fonts from elsewhere.
    for (const char* banned :
         {"<script", "<link", "@import", "url(", "<iframe", "<object", "<embed", "<img", "javascript:"})
        EXPECT_EQ(s.find(banned), std::string::npos) << "the page contains " << banned;
    const std::vector<Element> all = elements_with(page(), "");
    ASSERT_GT(all.size(), 100u);
    for (const Element& e : all)
        for (const auto& [name, value] : e.attrs) {
            EXPECT_NE(lower(name), "src") << describe(e);
            EXPECT_NE(lower(name).rfind("on", 0), 0u) << "event handler in " << describe(e);
        }
}

TEST_F(HelpPage, LinksLeadToSectionsOfThePageOrTheProductSite) {
    std::set<std::string> ids;
    for (const Element& e : elements_with(page(), "id"))
        EXPECT_TRUE(ids.insert(e.attr("id")).second) << "id used twice: " << e.attr("id");
    const std::vector<Element> links = elements_with(page(), "href");
    ASSERT_GE(links.size(), 10u) << "the table of contents is missing";
    for (const Element& a : links) {
        const std::string href = a.attr("href");
        if (!href.empty() && href[0] == '#') {
            EXPECT_TRUE(ids.count(href.substr(1))) << "link to a missing section: " << href;
        } else {
            const bool site = href.rfind("https://quorvel.example/", 0) == 0 ||
                              href.rfind("https://www.quorvel.example/", 0) == 0;
            const bool mail = href.rfind("mailto:", 0) == 0 && href.size() > 24 &&
                              href.compare(href.size() - 16, 16, "@quorvel.example") == 0;
            EXPECT_TRUE(site || mail) << "link away from the product: " << href;
        }
    }
    // The addresses are the ones the About and Help windows show.
    std::set<std::string> hrefs;
    for (const Element& a : links) hrefs.insert(a.attr("href"));
    EXPECT_TRUE(hrefs.count(QNS_URL)) << QNS_URL;
    EXPECT_TRUE(hrefs.count(QNS_URL_HELP)) << QNS_URL_HELP;
    EXPECT_TRUE(hrefs.count(std::string("mailto:") + QNS_CONTACT_EMAIL)) << QNS_CONTACT_EMAIL;
    // Every error of the program has a section of its own.
    for (const char* id : {"err-01", "err-02", "err-03", "err-04", "err-ff"})
        EXPECT_TRUE(ids.count(id)) << id;
}

TEST_F(HelpPage, BaseLabelTableMatchesTheWindow) {
    std::set<std::string> seen;
    for (const Element& row : elements_with(page(), "data-layout")) {
        SCOPED_TRACE(describe(row));
        const std::string base = row.attr("data-layout");
        seen.insert(base);
        std::map<std::string, std::string> cell;
        for (const Element& c : elements_with(row.inner, "data-control")) cell[c.attr("data-control")] = text_of(c.inner);
        Session s(base, "us", 0);
        EXPECT_EQ((std::vector<std::string>{cell["number"], cell["first"], cell["second"], cell["third"]}),
                  s.w.labels());
    }
    EXPECT_EQ(seen, (std::set<std::string>{"dec", "bin", "oct", "hex"}));
}

TEST_F(HelpPage, ValidRangeTablesMatchTheRangeWindowAndArithmetic) {
    std::map<int, std::map<std::string, std::string>> table;
    for (const Element& e : elements_with(page(), "data-row")) {
        if (!e.has("data-len")) continue;
        const int len = to_int(e.attr("data-len"));
        ASSERT_TRUE(len >= 1 && len <= 32) << describe(e);
        EXPECT_TRUE(table[len].emplace(e.attr("data-row"), text_of(e.inner)).second) << "twice: " << describe(e);
    }
    for (int len : {32, 24, 16, 8, 4}) EXPECT_TRUE(table.count(len)) << "no valid ranges for " << len << " bits";

    for (const auto& [len, row] : table) {
        SCOPED_TRACE("length " + std::to_string(len));
        EXPECT_EQ(row.size(), 12u);
        auto at = [&](const char* k) {
            auto it = row.find(k);
            return it == row.end() ? std::string("(missing)") : it->second;
        };

        // What the valid-range window shows at this length.
        controller::ValidRanges w{};
        controller::valid_ranges(len, model::l_oct(len), model::l_hex(len), &w);
        EXPECT_EQ(at("us-max"), w.dec_max);
        EXPECT_EQ(at("ones-min"), w.ones_min);
        EXPECT_EQ(at("ones-max"), w.ones_max);
        EXPECT_EQ(at("twos-min"), w.twos_min);
        EXPECT_EQ(at("twos-max"), w.twos_max);
        EXPECT_EQ(at("bin-max"), w.bin_max);
        EXPECT_EQ(at("oct-max"), w.oct_max);
        EXPECT_EQ(at("hex-max"), w.hex_max);
        for (const char* k : {"us-min", "bin-min", "oct-min", "hex-min"}) EXPECT_EQ(at(k), "0") << k;

        // The same bounds by machine arithmetic.
        const std::int64_t p = std::int64_t{1} << (len - 1);
        auto number = [&](const char* k) { return std::stoll(at(k)); };
        EXPECT_EQ(number("us-max"), 2 * p - 1);
        EXPECT_EQ(number("ones-min"), -(p - 1));
        EXPECT_EQ(number("ones-max"), p - 1);
        EXPECT_EQ(number("twos-min"), -p);
        EXPECT_EQ(number("twos-max"), p - 1);
        EXPECT_EQ(at("bin-max"), model::fixed(model::mask(len), 2, len));
        EXPECT_EQ(at("oct-max"), model::fixed(model::mask(len), 8, model::l_oct(len)));
        EXPECT_EQ(at("hex-max"), model::fixed(model::mask(len), 16, model::l_hex(len)));
        // The window writes a plus sign on the upper bounds at 32 bits only.
        EXPECT_EQ(at("ones-max")[0] == '+', len == 32);
        EXPECT_EQ(at("twos-max")[0] == '+', len == 32);
    }
}

TEST_F(HelpPage, DigitCountTableCoversEveryLength) {
    std::map<std::string, std::map<int, int>> counts;  // row -> length -> digits
    for (const Element& e : elements_with(page(), "data-lens")) {
        SCOPED_TRACE(describe(e));
        const std::string lens = e.attr("data-lens"), row = e.attr("data-row");
        const std::size_t dash = lens.find('-');
        const int from = to_int(lens.substr(0, dash));
        const int to = dash == std::string::npos ? from : to_int(lens.substr(dash + 1));
        ASSERT_TRUE(from >= 1 && from <= to && to <= 32);
        for (int len = from; len <= to; ++len)
            EXPECT_TRUE(counts[row].emplace(len, to_int(text_of(e.inner))).second) << "length listed twice: " << len;
    }
    ASSERT_EQ(counts.size(), 2u);
    for (int len = 1; len <= 32; ++len) {
        SCOPED_TRACE("length " + std::to_string(len));
        controller::reset_process_state();
        controller::update_lens(len);
        ASSERT_TRUE(counts["l_oct"].count(len) && counts["l_hex"].count(len));
        EXPECT_EQ(counts["l_oct"][len], controller::l_oct);
        EXPECT_EQ(counts["l_hex"][len], controller::l_hex);
        EXPECT_EQ(counts["l_oct"][len], model::l_oct(len));
        EXPECT_EQ(counts["l_hex"][len], model::l_hex(len));
    }
}

TEST_F(HelpPage, WorkedExamplesAreWhatTheProgramShows) {
    const std::vector<Element> rows = elements_with(page(), "data-example");
    ASSERT_GE(rows.size(), 3u);
    std::set<std::string> keys;
    for (const Element& row : rows) {
        SCOPED_TRACE(describe(row));
        const std::string mode = row.attr("data-example"), base = row.attr("data-base", "dec");
        const std::string input = row.attr("data-input");
        const int len = to_int(row.attr("data-len"));
        const bool c_hex = row.attr("data-c-hex") == "1", c_small = row.attr("data-c-small") == "1";
        ASSERT_TRUE(len >= 1 && len <= 32);
        ASSERT_TRUE(mode == "us" || mode == "ones" || mode == "twos");
        keys.insert(mode + " " + input + " " + std::to_string(len));

        std::map<std::string, std::string> cells = boxes_of(row);
        EXPECT_EQ(cells["input"], input) << "the row shows another number than it is checked with";
        cells.erase("input");
        ASSERT_FALSE(cells.empty());

        // What the window shows after Convert.
        Session s(base, mode, len);
        if (c_hex) controller::toggle_C_hex(s.w);
        if (c_small) controller::toggle_C_small(s.w);
        s.w.type(input);
        controller::start(s.w);
        EXPECT_TRUE(s.w.messages.empty()) << s.w.messages.front().text;
        const std::map<std::string, int> where = layout(base);

        std::map<std::string, std::string> expected = model_results(mode, base, input, len);
        std::map<std::string, std::string> from_engine;
        if (base == "dec") from_engine = engine_results(mode, input, len);
        if (base != "hex") {
            expected["hex"] = with_options(expected["hex"], c_hex, c_small);
            if (from_engine.count("hex")) from_engine["hex"] = with_options(from_engine["hex"], c_hex, c_small);
        }

        for (const auto& [box, shown] : cells) {
            SCOPED_TRACE("box " + box);
            ASSERT_TRUE(where.count(box)) << "no result box holds this base";
            EXPECT_EQ(shown, s.w.text(where.at(box)));
            EXPECT_EQ(shown, expected[box]);
            if (from_engine.count(box)) {
                EXPECT_EQ(shown, from_engine[box]);
            }
        }
    }
    // The examples that the mode section is built around.
    for (const char* k : {"ones -5 8", "twos -5 8", "us 300 8"}) EXPECT_TRUE(keys.count(k)) << k;
}

TEST_F(HelpPage, ErrorExamplesRaiseTheirError) {
    std::set<std::string> codes;
    for (const Element& row : elements_with(page(), "data-error")) {
        SCOPED_TRACE(describe(row));
        const std::string code = row.attr("data-error"), input = row.attr("data-input");
        codes.insert(code);
        const std::map<std::string, std::string> cells = boxes_of(row);
        if (!input.empty()) {
            EXPECT_EQ(cells.count("input") ? cells.at("input") : "", input);
        }

        Session s(row.attr("data-base", "dec"), row.attr("data-mode", "us"), 0);
        s.w.fallback = controller::Answer::cancel;
        s.w.type(input);
        controller::start(s.w);
        ASSERT_EQ(s.w.messages.size(), 1u);
        EXPECT_EQ(s.w.messages[0].title, expect::error_title);
        EXPECT_NE(s.w.messages[0].text.find("\nError " + code + "\n"), std::string::npos) << s.w.messages[0].text;
        EXPECT_EQ(s.w.results(), (std::vector<std::string>{"--", "--", "--"}));
        EXPECT_EQ(s.w.text(controller::number_box), input);
    }
    EXPECT_EQ(codes, (std::set<std::string>{"0x01", "0x02", "0x03", "0x04"}));
}

TEST_F(HelpPage, AutoDetectExamplesGiveTheirLength) {
    std::size_t n = 0;
    for (const Element& row : elements_with(page(), "data-autodetect")) {
        SCOPED_TRACE(describe(row));
        ++n;
        const std::string input = row.attr("data-input");
        int detected = -1;
        bool note = false;
        for (const Element& c : elements_with(row.inner, "data-detected")) detected = to_int(c.attr("data-detected"));
        for (const Element& c : elements_with(row.inner, "data-note")) note = c.attr("data-note") == "1";
        ASSERT_TRUE(detected >= 1 && detected <= 32);
        const std::map<std::string, std::string> cells = boxes_of(row);
        if (!input.empty()) {
            EXPECT_EQ(cells.count("input") ? cells.at("input") : "", input);
        }

        Session s(row.attr("data-autodetect"), "us", 16);
        s.w.type(input);
        s.w.confirm_fallback = 1;  // Set
        EXPECT_TRUE(controller::auto_detect(s.w));
        EXPECT_EQ(s.w.confirm_shown, std::vector<int>{detected});
        EXPECT_EQ(controller::len, detected);
        ASSERT_EQ(s.w.messages.size(), note ? 1u : 0u);
        if (note) {
            EXPECT_EQ(s.w.messages[0].text, expect::auto_too_big_text);
        }
    }
    EXPECT_GE(n, 5u);
}

}  // namespace
