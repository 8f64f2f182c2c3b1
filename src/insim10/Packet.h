#pragma once

#include "insim10/IsBfn.h"
#include "insim10/IsBtc.h"
#include "insim10/IsCnl.h"
#include "insim10/IsCrs.h"
#include "insim10/IsLap.h"
#include "insim10/IsMci.h"
#include "insim10/IsMso.h"
#include "insim10/IsNlp.h"
#include "insim10/IsNpl.h"
#include "insim10/IsPll.h"
#include "insim10/IsPlp.h"
#include "insim10/IsRst.h"
#include "insim10/IsSmall.h"
#include "insim10/IsSpx.h"
#include "insim10/IsSta.h"
#include "insim10/IsTiny.h"
#include "insim10/IsVer.h"
#include "insim10/OutGaugePack.h"

#include <variant>

namespace rennlupe::insim10 {

// One packet from the game, as PacketDecoder gives it.
using Packet = std::variant<IsVer, IsTiny, IsSmall, IsSta, IsNpl, IsPlp, IsPll, IsCnl, IsCrs, IsRst,
                            IsMci, IsNlp, IsLap, IsSpx, IsBfn, IsBtc, IsMso, OutGaugePack>;

}  // namespace rennlupe::insim10
