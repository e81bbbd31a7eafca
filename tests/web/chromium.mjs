// What the browser tests share: Debian's chromium driven by playwright-core (never a browser that
// playwright downloads), the site served from 127.0.0.1 on a free port, and the native
// milden-lookup the page's answers are compared with. ctest passes the paths in the environment.
import { execFileSync } from 'node:child_process';
import { getuid } from 'node:process';
import { chromium } from 'playwright-core';
import { serve } from '../../web/serve.mjs';

export const site = process.env.MILDEN_SITE;
export const lookup = process.env.MILDEN_LOOKUP;

export function launch() {
  return chromium.launch({
    executablePath: process.env.MILDEN_CHROMIUM ?? '/usr/lib/chromium/chromium',
    args: [
      ...(getuid?.() === 0 ? ['--no-sandbox'] : []),  // the sandbox refuses to run as root
      '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
    ],
  });
}

// Serves root until stop(), which also ends the open connections: the network is then cut.
export async function served(root = site) {
  const server = await serve(root);
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    stop: () => new Promise((resolve) => {
      server.close(resolve);
      server.closeAllConnections();
    }),
  };
}

// milden-lookup's JSON Lines for args, on the site's data file unless args name another.
export function nativeJson(args) {
  const output = execFileSync(lookup, ['--data', `${site}/sorvane.dat`, '--json', ...args], { encoding: 'utf8' });
  return output.trim().split('\n').map((line) => JSON.parse(line));
}
