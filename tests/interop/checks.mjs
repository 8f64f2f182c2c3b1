// What both interop scripts share: node-insim loaded from the build tree's install, and the
// printed field checks that decide the exit status.
import { createRequire } from 'node:module';
import path from 'node:path';

// The scripts stay in the source tree; node-insim is installed under the prefix given.
export function loadNodeInsim(prefix) {
  const require = createRequire(path.join(path.resolve(prefix), 'package.json'));
  const version = require('node-insim/package.json').version;
  return { version, packets: require('node-insim/packets'), main: require('node-insim') };
}

// A fresh copy: node-insim unpacks from the whole ArrayBuffer behind the view it is given.
export function ownBuffer(bytes) {
  return new Uint8Array(bytes);
}

export const hex = (bytes) => Buffer.from(bytes).toString('hex');

export class Checks {
  failures = 0;
  count = 0;

  equal(label, actual, expected) {
    this.count += 1;
    const same = Object.is(actual, expected);
    if (!same) {
      this.failures += 1;
    }
    const shown = JSON.stringify(actual);
    const wanted = same ? '' : `, expected ${JSON.stringify(expected)}`;
    console.log(`${same ? 'ok  ' : 'FAIL'} ${label} = ${shown}${wanted}`);
    return same;
  }

  that(label, holds, detail = '') {
    this.count += 1;
    if (!holds) {
      this.failures += 1;
    }
    console.log(`${holds ? 'ok  ' : 'FAIL'} ${label}${detail ? ` (${detail})` : ''}`);
    return holds;
  }

  fields(name, packet, expected) {
    for (const [field, value] of Object.entries(expected)) {
      this.equal(`${name}.${field}`, packet[field], value);
    }
  }

  finish() {
    console.log(`${this.count - this.failures} of ${this.count} checks passed`);
    process.exitCode = this.failures === 0 && this.count > 0 ? 0 : 1;
  }
}
