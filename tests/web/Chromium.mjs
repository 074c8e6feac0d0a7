// Debian's chromium, headless, through playwright-core. Playwright gives each
// launch a new empty profile (--user-data-dir) of its own.
import { chromium } from 'playwright-core';

export function launchChromium() {
  return chromium.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: [
      '--headless',
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  });
}
