#include "console/StampingStreamBuf.h"

#include <cstdio>
#include <string_view>

namespace rennlupe::console {

StampingStreamBuf::int_type StampingStreamBuf::overflow(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof())) {
        return traits_type::not_eof(ch);
    }
    if (m_lineStart) {
        char stamp[32];
        const int length =
            std::snprintf(stamp, sizeof stamp, "[%.6f] ", m_clock.monotonicSeconds());
        m_target.sputn(stamp, length);
        m_lineStart = false;
    }
    m_lineStart = traits_type::to_char_type(ch) == '\n';
    return m_target.sputc(traits_type::to_char_type(ch));
}

}  // namespace rennlupe::console
