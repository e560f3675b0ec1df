// Starts the editor: the model compiled to WebAssembly, then the window around it; and, where the page is
// served, the service worker that keeps it working offline.
import type { Model } from './model';
import { Shell } from './shell';

// Beside main.js; loaded at run time rather than bundled.
const ModelScript = './orvane-web.js';

async function start(): Promise<void> {
  const root = document.getElementById('app')!;
  try {
    const factory = (await import(ModelScript)).default as () => Promise<Model>;
    new Shell(await factory(), root, 'icon.svg');
    document.body.dataset.ready = 'true';
    // The moment the first page can be used, for the benchmark.
    performance.mark('orvane-ready');
  } catch (error) {
    root.textContent = `The editor could not start: ${String(error)}`;
  }
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => undefined);
  }
}

void start();
