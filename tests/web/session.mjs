// SPDX-License-Identifier: MIT
// One server and one browser for a test file, and pages opened ready on them.
import { after, before } from 'node:test';
import * as web from './lib.mjs';

export function session() {
  const s = {
    browser: null,
    server: null,
    // The site's page, once it has marked itself ready.
    async ready(options) {
      const opened = await web.openPage(s.browser, `${s.server.origin}/`, options);
      await web.waitReady(opened.page);
      return opened;
    },
  };
  web.preflight();
  before(async () => {
    s.server = await web.serve();
    s.browser = await web.launch();
  });
  after(async () => {
    await s.browser?.close();
    await s.server?.close();
  });
  return s;
}
