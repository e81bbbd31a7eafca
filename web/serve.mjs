// A static web server for the page: serves one folder on 127.0.0.1 at a port (0: a free one) and
// prints its address. scripts/run --web and the browser tests use it; any static server will do.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { argv } from 'node:process';
import { pathToFileURL } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

export function serve(root, port = 0) {
  const server = createServer(async (request, response) => {
    try {
      // normalize() takes every "..", so that nothing outside root is served.
      let path = normalize(decodeURIComponent(new URL(request.url, 'http://localhost').pathname));
      if (path.endsWith('/')) path += 'index.html';
      const body = await readFile(join(root, path));
      response.writeHead(200, {
        'Content-Type': types[extname(path)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache',
      });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (import.meta.url === pathToFileURL(argv[1]).href) {
  const server = await serve(argv[2] ?? '.', Number(argv[3] ?? 0));
  console.log(`http://127.0.0.1:${server.address().port}/`);
}
