#pragma once
// A find text as a regular expression and its replacement as a template,
// compiled and parsed once, here: the checks of the window, the sets and the
// tool refuse exactly what the engine could not run, since the engine runs
// this very compile.
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

// PCRE2's compiled pattern (pcre2_code_16).
struct pcre2_real_code_16;

namespace vantrelle {

class Pattern {
public:
    // A piece of the replacement: literal text, or the text of a group when
    // group >= 0.
    struct Piece {
        QString text;
        int group = -1;
    };

    // The pattern compiled by PCRE2 (Unicode classes, case as asked, JIT
    // where it can) and the replacement's template parsed: $0 to $9 (one
    // digit), ${name} or ${number} for a group, $$ for a dollar sign.
    static Pattern compile(QStringView find, QStringView replacement, bool matchCase);

    // Why the texts cannot be used, in the user's language without the final
    // stop: an invalid pattern (with the place of the fault), one that
    // matches an empty text, a "$" that names no group or a group the pattern
    // lacks. Empty when they can.
    const QString &refusal() const { return m_refusal; }
    // Null when refused.
    pcre2_real_code_16 *code() const { return m_code.get(); }
    const std::vector<Piece> &pieces() const { return m_pieces; }

private:
    QString m_refusal;
    std::shared_ptr<pcre2_real_code_16> m_code;
    std::vector<Piece> m_pieces;
};

} // namespace vantrelle
