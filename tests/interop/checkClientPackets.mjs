// Unpacks the client packets that interop_client_packets prints with node-insim's own packet
// classes and checks each field; the same values packed by node-insim must give the same bytes.
// usage: node checkClientPackets.mjs NODE_PREFIX INTEROP_CLIENT_PACKETS
import { execFileSync } from 'node:child_process';
import { Checks, hex, loadNodeInsim, ownBuffer } from './checks.mjs';

const [prefix, program] = process.argv.slice(2);
const { version, packets } = loadNodeInsim(prefix);
const {
  ButtonFunction, ButtonStyle, ButtonTextColour, InSimFlags, IS_BFN, IS_BTN, IS_ISI, IS_MST,
  IS_MSX, IS_SMALL, IS_TINY, PacketType, SmallType, TinyType,
} = packets;
console.log(`node-insim ${version}`);

const longText = 'Rennlupe shows the gap to the car ahead and to the car behind, ' +
  'on every lap of the race, at each split';
const tiny = (ReqI, SubT) => ({ Class: IS_TINY, fields: { Size: 4, Type: PacketType.ISP_TINY, ReqI, SubT } });

// Field values as node-insim reads them: Size in bytes, texts decoded.
const expected = {
  ISI: {
    Class: IS_ISI,
    fields: {
      Size: 44, Type: PacketType.ISP_ISI, ReqI: 1, Zero: 0, UDPPort: 29998,
      Flags: InSimFlags.ISF_MCI | InSimFlags.ISF_LOCAL, InSimVer: 10, Prefix: '!', Interval: 100,
      Admin: 'pass', IName: 'Rennlupe',
    },
  },
  TINY_NONE: tiny(0, TinyType.TINY_NONE),
  TINY_VER: tiny(7, TinyType.TINY_VER),
  TINY_NPL: tiny(2, TinyType.TINY_NPL),
  TINY_SST: tiny(3, TinyType.TINY_SST),
  TINY_RST: tiny(4, TinyType.TINY_RST),
  TINY_CLOSE: tiny(0, TinyType.TINY_CLOSE),
  SMALL_SSG: {
    Class: IS_SMALL,
    fields: { Size: 8, Type: PacketType.ISP_SMALL, ReqI: 0, SubT: SmallType.SMALL_SSG, UVal: 10 },
  },
  MST: { Class: IS_MST, fields: { Size: 68, Type: PacketType.ISP_MST, ReqI: 0, Zero: 0, Msg: '/echo hi' } },
  MSX: {
    Class: IS_MSX,
    fields: { Size: 100, Type: PacketType.ISP_MSX, ReqI: 0, Zero: 0, Msg: longText.slice(0, 95) },
  },
  BTN: {
    Class: IS_BTN,
    fields: {
      Size: 28, Type: PacketType.ISP_BTN, ReqI: 5, UCID: 0, ClickID: 12, Inst: IS_BTN.INST_ALWAYS_ON,
      BStyle: ButtonStyle.ISB_DARK | ButtonStyle.ISB_LEFT | ButtonTextColour.TITLE_COLOUR,
      TypeIn: 0, L: 10, T: 40, W: 30, H: 6, Text: 'V - 00:01:234',
    },
  },
  BFN: {
    Class: IS_BFN,
    fields: {
      Size: 8, Type: PacketType.ISP_BFN, ReqI: 0, SubT: ButtonFunction.BFN_DEL_BTN, UCID: 0,
      ClickID: 12, ClickMax: 20, Inst: 0,
    },
  },
  BTN_DRAWN: {
    Class: IS_BTN,
    fields: {
      Size: 28, Type: PacketType.ISP_BTN, ReqI: 1, UCID: 0, ClickID: 200, Inst: 0,
      BStyle: ButtonStyle.ISB_DARK | ButtonStyle.ISB_LEFT, TypeIn: 0, L: 100, T: 100, W: 19, H: 4,
      Text: '^3V - 00:01:234',
    },
  },
};

const printed = new Map(
  execFileSync(program, { encoding: 'utf8' })
    .trim()
    .split('\n')
    .map((line) => line.split(' ')),
);
const checks = new Checks();
checks.equal('packets printed', [...printed.keys()].join(' '), Object.keys(expected).join(' '));

for (const [name, { Class, fields }] of Object.entries(expected)) {
  const bytes = ownBuffer(Buffer.from(printed.get(name) ?? '', 'hex'));
  const sized = bytes.length === fields.Size && bytes[0] * 4 === bytes.length;
  if (!checks.that(`${name}: ${bytes.length} bytes, Size byte ${bytes[0]}`, sized)) {
    continue;
  }
  // IS_BTN's text has no fixed width: node-insim gives its unpacker the width in the packet.
  const widths = Class === IS_BTN ? { Text: `${bytes.length - IS_BTN.FIXED_DATA_SIZE}s` } : undefined;
  checks.fields(name, new Class().unpack(bytes, widths), fields);
  const { Size, Type, ...values } = fields;
  checks.equal(`${name} bytes = node-insim's pack()`, hex(bytes), hex(new Class(values).pack()));
}
// Cut texts keep their last byte 0; the game reads nothing past it.
checks.equal('MSX byte 99', Buffer.from(printed.get('MSX') ?? '', 'hex')[99], 0);
checks.finish();
