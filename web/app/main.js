// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: the album, its list and capacity line, the buttons, drop and
// paste, the password, the guard on unsaved changes, and the language.

import * as texts from './texts.js';
import { Languages, StorageKey, Translation, isLanguage, loadTranslation, preferredLanguage } from './language.js';
import { AlbumDocument } from './albumdocument.js';
import { AlbumList } from './albumlist.js';
import { AlbumCommands } from './albumcommands.js';
import { CapacityMeter } from './capacitymeter.js';
import { CorePool, workerCount } from './corepool.js';
import { ImageCommands } from './imagecommands.js';
import { Messages } from './messages.js';
import { PictureDialog } from './picturedialog.js';

const $ = (id) => document.getElementById(id);

// Started first, so the core compiles while the page is still being set up.
const bridge = new CorePool(new URL('../worker/coreworker.js', import.meta.url),
  workerCount(window.location, navigator.hardwareConcurrency));

// --- the language: the user's choice, else the browser's, else English ---

async function fetchTranslation(code) {
  const response = await fetch(new URL(`../translations/${code}.json`, import.meta.url));
  if (!response.ok) throw new Error(`${response.status} ${response.statusText}`);
  return response.json();
}

function storedLanguage() {
  try {
    return localStorage.getItem(StorageKey);
  } catch {
    return null; // storage refused (private mode, policy): the browser's language then
  }
}

// A language whose file cannot be had leaves the page in English, working.
async function useLanguage(code) {
  try {
    texts.useTranslation(await loadTranslation(code, fetchTranslation));
  } catch (error) {
    console.warn(`The page stays in English: ${code} could not be loaded (${error.message})`);
    texts.useTranslation(new Translation('en'));
  }
  document.documentElement.lang = texts.languageCode();
}

function showPageTexts() {
  for (const [id, attribute, text] of texts.PageTexts) {
    const element = $(id);
    if (!element) continue;
    if (attribute === 'text') element.textContent = texts.translated(text);
    else element.setAttribute(attribute, texts.translated(text));
  }
  const licences = $('licences-link');
  if (licences) licences.textContent = texts.translated(texts.LicencesLinkText);
}

const stored = storedLanguage();
await useLanguage(isLanguage(stored) ? stored : preferredLanguage(navigator.languages ?? [navigator.language]));
const album = new AlbumDocument();
const messages = new Messages(document);
const meter = new CapacityMeter(album, bridge);
const albumCommands = new AlbumCommands(album, bridge, meter, messages);
const imageCommands = new ImageCommands(album, bridge, messages);
const list = new AlbumList(document, album, imageCommands);
const pictureDialog = new PictureDialog(document, bridge);

// --- what the page shows of the album ---

const password = $('password');
albumCommands.passwordShown = () => {
  password.value = album.password;
};

function showTitle() {
  document.title = texts.windowTitle(album.modified, album.fileName);
}

function showCapacity() {
  const line = $('capacity');
  const { layout, count } = album;
  line.textContent = texts.capacitySummary(count, layout, album.hasBestFit);
  line.title = texts.capacityDetails(count, layout, album.hasBestFit);
  line.classList.toggle('warns', Boolean(layout) && (!layout.ok || layout.imagesWritten < count));
}

const chooser = $('language');
chooser.replaceChildren(...Languages.map(({ code, name }) => {
  const option = document.createElement('option');
  option.value = code;
  option.lang = code;
  option.textContent = name;
  return option;
}));
chooser.value = texts.languageCode();
chooser.addEventListener('change', async () => {
  const code = chooser.value;
  try {
    localStorage.setItem(StorageKey, code);
  } catch {
    // Not kept past this visit; the page switches all the same.
  }
  await useLanguage(code);
  chooser.value = texts.languageCode();
  showPageTexts();
  showTitle();
  showCapacity();
  list.render();
  pictureDialog.retranslate();
});
showPageTexts();

function showButtons() {
  const { selected, count } = album;
  $('delete-image').disabled = selected < 0;
  $('move-up').disabled = selected < 1;
  $('move-down').disabled = selected < 0 || selected >= count - 1;
}

album.addEventListener('change', () => {
  showCapacity();
  showButtons();
});
album.addEventListener('select', showButtons);
album.addEventListener('modified', showTitle);
showTitle();
showCapacity();
showButtons();

// --- commands ---

// One command at a time, as the desktop's modal dialogs make it.
let busy = Promise.resolve();
function command(run) {
  busy = busy.then(run).catch((error) => messages.tell('critical', texts.AlbumEditorCaption, String(error?.message ?? error)));
  return busy;
}

function chooseFile(input) {
  return new Promise((resolve) => {
    const done = () => {
      input.removeEventListener('change', done);
      input.removeEventListener('cancel', done);
      const [file] = input.files;
      input.value = '';
      resolve(file ?? null);
    };
    input.addEventListener('change', done);
    input.addEventListener('cancel', done);
    input.click();
  });
}

async function bringInPictures(files, atSelection) {
  const answer = await pictureDialog.open(files);
  if (!answer) return 0;
  // The selection is read only now: the dialog may have been open a while.
  return imageCommands.addPictures(answer.files, answer, atSelection ? album.selected : -1);
}

$('load-album').addEventListener('click', () => command(async () => {
  if (!(await albumCommands.confirmDiscard())) return;
  const file = await chooseFile($('album-file-input'));
  if (file) await albumCommands.openAlbumFile(file, { askFirst: false });
}));
$('append-album').addEventListener('click', () => command(async () => {
  const file = await chooseFile($('append-file-input'));
  if (file) await albumCommands.appendAlbumFile(file);
}));
$('save-album').addEventListener('click', () => command(() => albumCommands.save()));
$('save-album-as').addEventListener('click', () => command(() => albumCommands.saveAs()));
$('add-image').addEventListener('click', () => command(() => bringInPictures([], false)));
$('insert-image').addEventListener('click', () => command(() => bringInPictures([], true)));
$('delete-image').addEventListener('click', () => imageCommands.deleteImage());
$('move-up').addEventListener('click', () => imageCommands.moveUp(list));
$('move-down').addEventListener('click', () => imageCommands.moveDown(list));

// The desktop's field takes digits only, eight at most: anything else typed
// or pasted is refused, and the field keeps what it had.
let typedPassword = '';
password.addEventListener('input', () => {
  if (/^[0-9]{0,8}$/.test(password.value)) {
    typedPassword = password.value;
    if (typedPassword !== album.password) {
      album.setPassword(typedPassword);
      album.setModified(true);
    }
  } else {
    password.value = typedPassword;
  }
});
album.addEventListener('change', () => {
  typedPassword = album.password;
});

// --- drop and paste ---

const isAlbumFile = (file) => /\.valbum$/i.test(file.name);

function takeFiles(files) {
  if (files.length === 0) return;
  const albumFile = files.find(isAlbumFile);
  const pictures = files.filter((file) => !isAlbumFile(file));
  command(async () => {
    if (albumFile) await albumCommands.openAlbumFile(albumFile);
    if (pictures.length > 0) await bringInPictures(pictures, false);
  });
}

document.addEventListener('dragover', (event) => {
  if (event.dataTransfer?.types.includes('Files')) {
    event.preventDefault();
    event.dataTransfer.dropEffect = 'copy';
    document.body.classList.add('dropping');
  }
});
document.addEventListener('dragleave', (event) => {
  if (!event.relatedTarget) document.body.classList.remove('dropping');
});
document.addEventListener('drop', (event) => {
  document.body.classList.remove('dropping');
  if (!event.dataTransfer?.files.length) return;
  event.preventDefault();
  takeFiles([...event.dataTransfer.files]);
});
document.addEventListener('paste', (event) => {
  if (event.target === password) return;
  const files = [...(event.clipboardData?.files ?? [])];
  if (files.length === 0) return;
  event.preventDefault();
  takeFiles(files);
});

window.addEventListener('beforeunload', (event) => {
  if (!album.modified) return;
  event.preventDefault();
  event.returnValue = '';
});

// --- for the launch queue and the tests ---

window.valbumPage = {
  ready: bridge.ready,
  openAlbumFile: (file) => command(() => albumCommands.openAlbumFile(file)),
  // Brings pictures in with the picture dialog's current choices, without the dialog.
  addPictureFiles: (files) => command(() => imageCommands.addPictures([...files], {
    choices: pictureDialog.choices(), bestFit: pictureDialog.bestFit(),
  })),
};
// The mark tells the benchmark when the core was ready, counted from the page's opening.
bridge.ready.then(() => {
  performance.mark('valbum-core-ready');
  document.body.classList.add('ready');
},
  (error) => messages.tell('critical', texts.AlbumEditorCaption, String(error?.message ?? error)));
