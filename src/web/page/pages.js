// Colouring pages from the child's own images: files dropped on the page or
// chosen from the device are put in the page's file system and handed to the
// program, which converts them as the desktop editions do. The browser
// decodes them for it (decodeImage), reduced while decoding.
export const INCOMING = '/device';

// What the program calls the outcome of a decode (ImageProblem).
const NONE = 0, NOT_AN_IMAGE = 1, DAMAGED = 2, UNREADABLE = 5;

const isPdf = (bytes) => startsAs(bytes, [0x25, 0x50, 0x44, 0x46, 0x2d]);

// The formats a browser decodes, by their first bytes: a file that starts
// as one of them but will not decode is damaged, anything else no picture.
const SIGNATURES = [
  [0x89, 0x50, 0x4e, 0x47], [0xff, 0xd8, 0xff], [0x47, 0x49, 0x46, 0x38], [0x42, 0x4d],
  [0x52, 0x49, 0x46, 0x46], [0x00, 0x00, 0x01, 0x00],
];
const startsAs = (bytes, signature) => signature.every((b, i) => bytes[i] === b);
const isSvg = (bytes) => /^\s*(<\?xml[^>]*>\s*)?(<!--[\s\S]*?-->\s*)*(<!DOCTYPE[^>]*>\s*)?<svg[\s>]/i
  .test(new TextDecoder().decode(bytes.subarray(0, 4096)));

// An SVG without its own width and height has none to a browser (300 by
// 150): it gets its viewBox's shape, large enough to draw sharp.
const SVG_SIDE = 2048;
function svgSize(bytes, img) {
  const root = new DOMParser().parseFromString(new TextDecoder().decode(bytes), 'image/svg+xml').documentElement;
  const sized = ['width', 'height'].every((name) => /^\s*[\d.]+\s*[a-z]*\s*$/i.test(root.getAttribute(name) ?? ''));
  const box = (root.getAttribute('viewBox') ?? '').trim().split(/[\s,]+/).map(Number);
  if (sized || box.length !== 4 || !(box[2] > 0 && box[3] > 0)) return { width: img.naturalWidth, height: img.naturalHeight };
  const scale = SVG_SIDE / Math.max(box[2], box[3]);
  return { width: Math.max(1, Math.round(box[2] * scale)), height: Math.max(1, Math.round(box[3] * scale)) };
}

function loadImage(blob) {
  return new Promise((resolve, reject) => {
    const img = new Image();
    img.onload = () => resolve(img);
    img.onerror = () => {
      URL.revokeObjectURL(img.src);
      reject(new Error('no image'));
    };
    img.src = URL.createObjectURL(blob);
  });
}

// A PDF's first page through PDF.js, loaded when the first PDF arrives;
// its size is the page's at 150 dots an inch.
const PDF_DPI = 150;
let pdfjs = null;
async function pdfFirstPage(bytes) {
  pdfjs ??= import('./pdfjs/pdf.min.mjs').then((lib) => {
    lib.GlobalWorkerOptions.workerSrc = new URL('pdfjs/pdf.worker.min.mjs', document.baseURI).href;
    return lib;
  });
  const task = (await pdfjs).getDocument({ data: bytes.slice() });
  try {
    const page = await (await task.promise).getPage(1);
    const { width, height } = page.getViewport({ scale: PDF_DPI / 72 });
    return { task, page, width: Math.round(width), height: Math.round(height) };
  } catch (error) {
    task.destroy();
    throw error;
  }
}

async function pdfPixels(pdf, width, height) {
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  const viewport = pdf.page.getViewport({ scale: width / pdf.page.getViewport({ scale: 1 }).width });
  await pdf.page.render({ canvas, viewport }).promise;
  return pixelsOf(canvas, width, height);
}

// The image's pixels at width by height as 0xAARRGGBB words.
function pixelsOf(source, width, height) {
  const canvas = new OffscreenCanvas(width, height);
  const context = canvas.getContext('2d', { willReadFrequently: true });
  context.drawImage(source, 0, 0, width, height);
  const rgba = new Uint32Array(context.getImageData(0, 0, width, height).data.buffer);
  for (let i = 0; i < rgba.length; ++i) {
    const p = rgba[i];
    rgba[i] = (p & 0xff00ff00) | ((p >>> 16) & 0xff) | ((p & 0xff) << 16);
  }
  return rgba;
}

// decodeImage(path, 0, 0) reads the size from the header; with a size, the
// pixels. Raster images decode reduced (createImageBitmap's resize); an SVG
// is drawn by the browser, a PDF's first page by PDF.js, at the size asked.
export async function decodeImage(FS, path, width, height) {
  let bytes;
  try {
    bytes = FS.readFile(path);
  } catch {
    return { problem: UNREADABLE };
  }
  const svg = isSvg(bytes);
  const pdf = isPdf(bytes);
  const known = svg || pdf || SIGNATURES.some((s) => startsAs(bytes, s));
  const blob = new Blob([bytes], svg ? { type: 'image/svg+xml' } : {});
  let img = null;
  let pages = null;
  try {
    if (pdf) {
      pages = await pdfFirstPage(bytes);
      if (!width) return { problem: NONE, width: pages.width, height: pages.height };
      return { problem: NONE, width, height, pixels: await pdfPixels(pages, width, height) };
    }
    if (!width || svg) img = await loadImage(blob);
    if (!width) return { problem: NONE, ...(svg ? svgSize(bytes, img) : { width: img.naturalWidth, height: img.naturalHeight }) };
    if (svg) return { problem: NONE, width, height, pixels: pixelsOf(img, width, height) };
    const bitmap = await createImageBitmap(blob, {
      resizeWidth: width, resizeHeight: height, resizeQuality: 'medium',
      imageOrientation: 'none', premultiplyAlpha: 'none', colorSpaceConversion: 'none',
    });
    const pixels = pixelsOf(bitmap, width, height);
    bitmap.close();
    return { problem: NONE, width, height, pixels };
  } catch {
    return { problem: known ? DAMAGED : NOT_AN_IMAGE };
  } finally {
    if (img) URL.revokeObjectURL(img.src);
    pages?.task.destroy();
  }
}

// Puts the files into the page's file system and has the program import
// them; nothing of them stays there afterwards.
export async function importFiles(program, files) {
  const { FS } = program.module;
  const folder = `${INCOMING}/${Date.now()}`;
  FS.mkdirTree(folder);
  const paths = [];
  for (const [i, file] of [...files].entries()) {
    const path = `${folder}/${i}/${file.name.replace(/[/\n\r]/g, '_')}`;
    FS.mkdirTree(`${folder}/${i}`);
    try {
      FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
    } catch {
      // Unreadable, or more than the page can hold: the program says it cannot read it.
      FS.writeFile(path, new Uint8Array(1));
      FS.chmod(path, 0);
    }
    paths.push(path);
  }
  await program.call('pintaro_importPages', [paths.join('\n')]);
  for (const path of paths) {
    FS.unlink(path);
    FS.rmdir(path.slice(0, path.lastIndexOf('/')));
  }
  FS.rmdir(folder);
}

// Files dropped anywhere on the page, unless a dialog is open; `shown` once
// the last page is on the canvas.
export function acceptDrops(program, shown) {
  document.addEventListener('dragover', (e) => {
    e.preventDefault();
    e.dataTransfer.dropEffect = document.querySelector('.modal-layer') ? 'none' : 'copy';
  });
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    if (document.querySelector('.modal-layer') || program.busy || !e.dataTransfer.files.length) return;
    performance.mark('pintaro-drop');
    importFiles(program, e.dataTransfer.files).then(shown);
  });
}
