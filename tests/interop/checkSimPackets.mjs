// Acts as an InSim client of the stand-in game over loopback UDP with node-insim's own packets:
// sends IS_ISI and the requests, unpacks every answer with node-insim and checks its fields.
// usage: node checkSimPackets.mjs NODE_PREFIX INSIM_SIM
import { execFileSync, spawn } from 'node:child_process';
import dgram from 'node:dgram';
import { Checks, loadNodeInsim, ownBuffer } from './checks.mjs';

const [prefix, simPath] = process.argv.slice(2);
const { version, packets, main } = loadNodeInsim(prefix);
const {
  InSimFlags, IS_ISI, IS_SMALL, IS_TINY, PacketType, PlayerType, SmallType,
  TinyType, packetTypeToClass,
} = packets;
const { DashLights, OutGaugeFlags, OutGaugePack } = main;
console.log(`node-insim ${version}`);

// CompCar.Info's CCI_FIRST and CCI_LAST: node-insim 6.0.0 keeps CompCarFlags out of its exports.
const CompCarFlags = { CCI_FIRST: 0x40, CCI_LAST: 0x80 };
const cars = 20;
const reqI = { isi: 1, npl: 2, sst: 3, rst: 4 };
const numbers = (count) => Array.from({ length: count }, (_, i) => i + 1);
const sorted = (values) => [...values].sort((a, b) => a - b).join(',');

// What the stand-in game's drivers are called and drive, by PLID; names in several code pages.
const names = ['Łukasz Nowak', 'Дмитрий Орлов', '佐藤 健', 'Jürgen Weiß', 'Ελένη Πάππα',
  'Ayşe Yılmaz', 'Petr Černý', 'Sam Carter'];
const carNames = ['XRT', 'FBM', 'FXR', 'RB4', 'LX6', 'FZR'];
const driver = (plid) => {
  const i = plid - 1;
  const round = Math.floor(i / names.length);
  const name = names[i % names.length] + (round > 0 ? ` ${round + 1}` : '');
  return { name, car: carNames[i % carNames.length] };
};

// InSim and OutGauge share the ISI's UDPPort; OutGauge is 92 or 96 bytes and no InSim packet.
const isOutGauge = (bytes) =>
  !(bytes[0] * 4 === bytes.length && packetTypeToClass[bytes[1]] !== undefined) &&
  (bytes.length === OutGaugePack.MIN_SIZE || bytes.length === OutGaugePack.MAX_SIZE);

// Every packet with the PLIDs that had left when it came, so later sets can leave them out.
const gone = new Set();
const got = { VER: [], STA: [], NPL: [], RST: [], PLL: [], MCI: [], OutGauge: [] };
const sets = [];
let building = null;

function receive(message) {
  const bytes = ownBuffer(message);
  if (isOutGauge(bytes)) {
    got.OutGauge.push({ packet: new OutGaugePack().unpack(bytes), length: bytes.length });
    return;
  }
  const Class = packetTypeToClass[bytes[1]];
  const name = PacketType[bytes[1]]?.replace('ISP_', '');
  if (Class === undefined || got[name] === undefined) {
    return;
  }
  const packet = new Class().unpack(bytes);
  got[name].push({ packet, length: bytes.length, gone: new Set(gone) });
  if (name === 'PLL') {
    gone.add(packet.PLID);
  }
  // One interval's cars come in MCI packets of up to 16, from CCI_FIRST to CCI_LAST.
  for (const car of name === 'MCI' ? packet.Info : []) {
    building = car.Info & CompCarFlags.CCI_FIRST ? [] : building;
    building?.push(car);
    if (building && car.Info & CompCarFlags.CCI_LAST) {
      sets.push({ cars: building, gone: new Set(gone) });
      building = null;
    }
  }
}

const answer = (name, id) => got[name].filter((p) => p.packet.ReqI === id);
const complete = () =>
  got.VER.length > 0 && answer('STA', reqI.sst).length > 0 && answer('RST', reqI.rst).length > 0 &&
  answer('NPL', reqI.npl).length >= cars - (answer('NPL', reqI.npl)[0]?.gone.size ?? 0) &&
  got.PLL.length > 0 && sets.filter((s) => s.gone.size > 0).length >= 2 &&
  sets.some((s) => s.gone.size === 0) && got.OutGauge.length >= 3;

const port = Number(execFileSync(simPath, ['--bind', '127.0.0.1', '--free-port'], { encoding: 'utf8' }));
const sim = spawn(simPath, ['--bind', '127.0.0.1', '--port', String(port), '--protocol', 'modern',
  '--cars', String(cars), '--rate', '20', '--run-for', '20', '--leave-every', '1'],
{ stdio: ['ignore', 'pipe', 'inherit'] });
process.on('exit', () => sim.kill('SIGTERM'));
let simOutput = '';
const simSaid = (text) => new Promise((resolve) => {
  const look = () => (simOutput.includes(text) ? resolve(true) : undefined);
  sim.stdout.on('data', look);
  sim.on('exit', () => resolve(simOutput.includes(text)));
  look();
});
sim.stdout.setEncoding('utf8');
sim.stdout.on('data', (text) => { simOutput += text; });

const socket = dgram.createSocket('udp4');
const send = (packet) => new Promise((resolve) => socket.send(packet.pack(), port, '127.0.0.1', resolve));
const ended = new Promise((resolve) =>
  sim.on('exit', (code) => resolve(`the stand-in game ended (${code}) first`)));
const collected = new Promise((resolve) => socket.on('message', (message) => {
  receive(message);
  if (complete()) {
    resolve('');
  }
}));

const problem = await Promise.race([ended, (async () => {
  await Promise.race([simSaid('listening'), ended]);
  await new Promise((resolve) => socket.bind(0, '127.0.0.1', resolve));
  const own = socket.address().port;
  console.log(`stand-in game on 127.0.0.1:${port}, this client on ${own}`);
  await send(new IS_ISI({
    ReqI: reqI.isi, UDPPort: own, Flags: InSimFlags.ISF_MCI | InSimFlags.ISF_LOCAL, InSimVer: 10,
    Interval: 50, IName: 'interop',
  }));
  await send(new IS_TINY({ ReqI: reqI.npl, SubT: TinyType.TINY_NPL }));
  await send(new IS_TINY({ ReqI: reqI.sst, SubT: TinyType.TINY_SST }));
  await send(new IS_TINY({ ReqI: reqI.rst, SubT: TinyType.TINY_RST }));
  await send(new IS_SMALL({ SubT: SmallType.SMALL_SSG, UVal: 5 }));
  return collected;
})()]);

const checks = new Checks();
checks.that('every packet asked for came', problem === '', problem);

const ver = got.VER[0];
if (checks.that('IS_VER answered IS_ISI', ver !== undefined)) {
  checks.equal('VER datagram bytes', ver.length, 20);
  checks.fields('VER', ver.packet,
    { Size: 20, ReqI: reqI.isi, Version: '0.8A', Product: 'S3', InSimVer: 10 });
}

const sta = answer('STA', reqI.sst)[0];
const viewed = sta?.packet.ViewPLID;
if (checks.that('IS_STA answered TINY_SST', sta !== undefined)) {
  const numP = cars - sta.gone.size;
  checks.equal('STA datagram bytes', sta.length, 28);
  checks.fields('STA', sta.packet, {
    Size: 28, ReplaySpeed: 1, Flags: 0x4201, InGameCam: 3, NumP: numP, NumConns: numP + 1,
    RaceInProg: 1, RaceLaps: 5, ServerStatus: 1, Track: 'BL1', Weather: 1,
  });
  checks.that(`STA.ViewPLID ${viewed} is a car on track`,
    viewed >= 1 && viewed <= cars && !sta.gone.has(viewed));
}

const npl = answer('NPL', reqI.npl);
const nplGone = npl[0]?.gone ?? new Set();
checks.equal('NPL PLIDs answering TINY_NPL', sorted(npl.map((n) => n.packet.PLID)),
  sorted(numbers(cars).filter((p) => !nplGone.has(p))));
for (const { packet, length } of npl) {
  const { name, car } = driver(packet.PLID);
  checks.equal(`NPL ${packet.PLID} datagram bytes`, length, 76);
  checks.fields(`NPL ${packet.PLID}`, packet, {
    Size: 76, UCID: packet.PLID, PName: name, Plate: `RL ${packet.PLID}`, CName: car, SName: 'DEFAULT',
    PType: (packet.PLID - 1) % 5 === 4 ? PlayerType.AI : 0, TyreRL: 2, TyreFR: 2, Fuel: 60,
    NumP: cars - nplGone.size,
  });
}

const rst = answer('RST', reqI.rst)[0];
if (checks.that('IS_RST answered TINY_RST', rst !== undefined)) {
  checks.equal('RST datagram bytes', rst.length, 28);
  checks.fields('RST', rst.packet, {
    Size: 28, RaceLaps: 5, NumP: cars - rst.gone.size, Timing: 0x43, Track: 'BL1', Weather: 1,
    NumNodes: 400, Finish: 150,
  });
}

for (const { packet, gone: before } of got.PLL.slice(0, 2)) {
  checks.fields(`PLL ${packet.PLID}`, packet, { Size: 4, ReqI: 0 });
  checks.that(`PLL ${packet.PLID}: a car on track, not the viewed one`,
    packet.PLID >= 1 && packet.PLID <= cars && packet.PLID !== viewed && !before.has(packet.PLID));
}

for (const { packet, length } of got.MCI.slice(0, 8)) {
  checks.that(`MCI: ${length} bytes, Size ${packet.Size}, NumC ${packet.NumC}, ${packet.Info.length} cars`,
    packet.NumC >= 1 && packet.NumC <= 16 && length === 4 + packet.NumC * 28 &&
      packet.Size === length && packet.Info.length === packet.NumC);
}
// The first full set and the first two after a car left: PLIDs of the cars still racing,
// positions 1..N, CCI_FIRST on the set's first car only and CCI_LAST on its last only.
const full = sets.find((s) => s.gone.size === 0);
for (const [i, set] of [full, ...sets.filter((s) => s.gone.size > 0).slice(0, 2)].entries()) {
  if (!checks.that(`MCI set ${i + 1} came`, set !== undefined)) {
    continue;
  }
  const name = `MCI set ${i + 1} (${set.gone.size} gone)`;
  const racing = numbers(cars).filter((p) => !set.gone.has(p));
  checks.equal(`${name} PLIDs`, sorted(set.cars.map((c) => c.PLID)), sorted(racing));
  checks.equal(`${name} positions`, sorted(set.cars.map((c) => c.Position)), sorted(numbers(racing.length)));
  checks.that(`${name} CCI_FIRST and CCI_LAST mark its ends only`, set.cars.every((c, k) =>
    Boolean(c.Info & CompCarFlags.CCI_FIRST) === (k === 0) &&
    Boolean(c.Info & CompCarFlags.CCI_LAST) === (k === set.cars.length - 1)));
  checks.that(`${name} nodes below RST.NumNodes`, set.cars.every((c) => c.Node < 400));
}

got.OutGauge.slice(0, 3).forEach(({ packet, length }, i) => {
  const name = `OutGauge ${i + 1}`;
  checks.that(`${name}: ${length} bytes, with or without the ID`, length === 92 || length === 96);
  checks.fields(name, packet, {
    PLID: viewed, Car: driver(viewed).car, DashLights: DashLights.DL_SHIFT | DashLights.DL_FULLBEAM |
      DashLights.DL_ABS | DashLights.DL_NEUTRAL,
    Fuel: Math.fround(0.6), Display1: 'Fuel 60%', Display2: 'Brake 60%', ID: 0,
  });
  checks.that(`${name}: DashLights bit 0, the shift light, is available`, (packet.DashLights & 1) === 1);
  checks.that(`${name}: Flags ${packet.Flags} say km/h`, (packet.Flags & OutGaugeFlags.OG_KM) !== 0);
  checks.that(`${name}: Time ${packet.Time} not before the last`,
    i === 0 || packet.Time >= got.OutGauge[i - 1].packet.Time);
});

if (problem === '') {
  await send(new IS_TINY({ SubT: TinyType.TINY_CLOSE }));
  checks.that('the stand-in game took TINY_CLOSE', await simSaid('closed'));
}
sim.kill('SIGTERM');
socket.close();
checks.finish();
