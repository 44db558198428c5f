// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture dialog: the pictures to bring in, the choices and, beside the
// picture, what the device will show of it with them. The preview is read
// and converted by the worker; only the newest request's answer is shown, so
// dragging the frame or a slider never queues up conversions. The choices
// hold for the rest of the visit.

import * as texts from './texts.js';
import { CropFrame } from './cropframe.js';
import { drawPixels, drawDeviceView } from './devicecanvas.js';

const PictureViewSide = 360;

export class PictureDialog {
  constructor(document, bridge) {
    this.document = document;
    this.bridge = bridge;
    const $ = (id) => document.getElementById(id);
    this.dialog = $('picture-dialog');
    this.input = $('picture-file-input');
    this.fileList = $('picture-files');
    this.caption = $('picture-caption');
    this.pictureView = $('picture-view');
    this.deviceView = $('device-view');
    this.recordSize = $('record-size');
    this.fit = $('fit');
    this.gravity = $('gravity');
    this.smooth = $('smooth');
    this.greys = $('greys');
    this.brightness = $('brightness');
    this.contrast = $('contrast');
    this.cropSize = $('crop-size');
    this.cropControls = $('crop-controls');
    this.fillChoices();
    this.turns = 0;
    this.frame = new CropFrame();
    this.files = [];
    this.shownFile = null;
    this.picture = null; // { width, height, image: ImageData } as on show
    this.generation = 0;
    this.nextKey = 1;
    this.keys = new WeakMap();

    $('picture-choose').addEventListener('click', () => this.input.click());
    this.input.addEventListener('change', () => {
      this.setFiles([...this.input.files]);
      this.input.value = '';
    });
    for (const control of [this.fit, this.gravity, this.smooth, this.greys, this.brightness, this.contrast])
      control.addEventListener('input', () => this.choicesChanged());
    $('turn-left').addEventListener('click', () => this.turn(-1));
    $('turn-right').addEventListener('click', () => this.turn(1));
    $('crop-bigger').addEventListener('click', () => this.frameChanged(() => this.frame.zoom(-1, this.gravity.value)));
    $('crop-smaller').addEventListener('click', () => this.frameChanged(() => this.frame.zoom(1, this.gravity.value)));
    this.cropSize.addEventListener('input', () =>
      this.frameChanged(() => this.frame.setSide(Number(this.cropSize.value) / 100, this.gravity.value)));
    this.wireFrame();
    $('picture-open').addEventListener('click', () => this.finish(true));
    $('picture-cancel').addEventListener('click', () => this.finish(false));
    this.dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      this.finish(false);
    });
    this.updateToneOutputs();
    this.updateControls();
  }

  // Again in a new language: each choice stays as it was.
  fillChoices() {
    const fill = (select, choices) => {
      const chosen = select.value;
      select.replaceChildren(...choices.map(({ value, text, tip }) => {
        const option = this.document.createElement('option');
        option.value = value;
        option.textContent = text;
        if (tip) option.title = tip;
        return option;
      }));
      if (chosen) select.value = chosen;
    };
    fill(this.fit, texts.Fits);
    fill(this.greys, texts.Greys);
    fill(this.gravity, texts.Gravities);
    this.document.getElementById('smooth-text').textContent = texts.SmoothingText;
    this.document.getElementById('smooth-label').title = texts.SmoothingTip;
  }

  // The dialog's words in the language now chosen.
  retranslate() {
    this.fillChoices();
    if (!this.shownFile) {
      this.caption.textContent = texts.PreviewCaption;
      this.setEmptyText(texts.EmptyPreviewText);
    } else if (this.picture) {
      this.updateCaption();
    }
    this.updateControls();
  }

  keyOf(file) {
    if (!this.keys.has(file)) this.keys.set(file, this.nextKey++);
    return this.keys.get(file);
  }

  // Opens the dialog, with `files` chosen already when given; resolves with
  // { files, choices, bestFit, previewKey } on Open, null on Cancel.
  open(files = []) {
    this.dialog.showModal();
    this.setFiles(files);
    if (files.length === 0) this.document.getElementById('picture-choose').focus();
    return new Promise((resolve) => {
      this.resolve = resolve;
    });
  }

  finish(accepted) {
    if (!this.resolve) return;
    const answer = accepted && this.files.length > 0
      ? { files: this.files, choices: this.choices(), bestFit: this.bestFit(), previewKey: this.shownFile ? this.keyOf(this.shownFile) : 0, keyOf: (file) => this.keyOf(file) }
      : null;
    const resolve = this.resolve;
    this.resolve = null;
    this.dialog.close();
    this.files = [];
    this.shownFile = null;
    this.picture = null;
    ++this.generation;
    resolve(answer);
  }

  bestFit() {
    return this.greys.value === texts.BestFitValue;
  }

  // The core's choice words for what the dialog shows.
  choices() {
    const words = [
      `fit=${this.fit.value}`,
      `gravity=${this.gravity.value}`,
      `smooth=${this.smooth.checked ? 1 : 0}`,
      `greys=${this.bestFit() ? 'none' : this.greys.value}`,
      `brightness=${this.brightness.value}`,
      `contrast=${this.contrast.value}`,
      `turns=${this.turns}`,
    ];
    if (this.fit.value === 'crop' && this.frame.choice()) words.push(this.frame.choice());
    return words.join(' ');
  }

  setFiles(files) {
    this.files = files;
    this.fileList.replaceChildren(...files.map((file) => {
      const item = this.document.createElement('li');
      const button = this.document.createElement('button');
      button.type = 'button';
      button.textContent = file.name;
      button.addEventListener('click', () => this.show(file));
      item.append(button);
      return item;
    }));
    // One turn for all of several pictures; a single picture starts upright.
    if (files.length <= 1) this.turns = 0;
    this.show(files[0] ?? null);
  }

  async show(file, keepSquare = false) {
    const generation = ++this.generation;
    const square = keepSquare ? this.frame.square : null;
    this.shownFile = file;
    this.picture = null;
    this.openedSmooth = this.smooth.checked;
    this.frame.reset(null);
    drawPixels(this.pictureView, null, 1, 1);
    drawDeviceView(this.deviceView, null);
    this.recordSize.textContent = '';
    this.updateControls();
    if (!file) {
      this.caption.textContent = texts.PreviewCaption;
      this.setEmptyText(texts.EmptyPreviewText);
      return;
    }
    this.caption.textContent = texts.LoadingCaption;
    this.setEmptyText('');
    try {
      const bytes = await file.arrayBuffer();
      await this.bridge.ready;
      if (generation !== this.generation) return;
      const opened = await this.bridge.run('previewOpen', { file: bytes, key: this.keyOf(file), choices: this.choices() }, [bytes]);
      if (generation !== this.generation) return;
      if (opened.problem) {
        this.caption.textContent = texts.PreviewCaption;
        this.setEmptyText(texts.pictureProblemText(opened.problem));
        return;
      }
      const turned = this.turns % 2 ? { width: opened.height, height: opened.width } : { width: opened.width, height: opened.height };
      this.frame.reset(turned);
      this.frame.square = square;
      this.pictureSize = turned;
      await this.render(true);
    } catch (error) {
      if (generation !== this.generation) return;
      this.caption.textContent = texts.PreviewCaption;
      this.setEmptyText(String(error.message ?? error));
    }
  }

  setEmptyText(text) {
    const empty = this.document.getElementById('picture-empty');
    empty.textContent = text;
    empty.hidden = !text;
  }

  async render(withPicture) {
    if (!this.shownFile) return;
    const generation = this.generation;
    const key = this.keyOf(this.shownFile);
    const result = await this.bridge.run('previewRender', {
      key, turns: this.turns, maxSide: PictureViewSide, choices: this.choices(), withPicture,
    });
    if (generation !== this.generation || result.superseded || result.gone) return;
    if (result.picture) {
      const { width, height, pixels } = result.picture;
      this.picture = { width, height, image: new ImageData(new Uint8ClampedArray(pixels.buffer), width, height) };
    }
    this.paintPicture();
    drawDeviceView(this.deviceView, result.device);
    this.recordSize.textContent = result.recordSize ? `${texts.number(result.recordSize)} B` : '';
    this.updateCaption();
    this.updateControls();
  }

  updateCaption() {
    let text = texts.PreviewCaption;
    if (this.pictureSize && this.picture) text += ` (${this.pictureSize.width}x${this.pictureSize.height})`;
    if (this.files.length > 1) text += ` ${texts.chosenCountText(this.files.length)}`;
    this.caption.textContent = text;
  }

  paintPicture() {
    const canvas = this.pictureView;
    if (!this.picture) return;
    const { width, height, image } = this.picture;
    canvas.width = width;
    canvas.height = height;
    const context = canvas.getContext('2d');
    context.putImageData(image, 0, 0);
    // Pad keeps the whole picture: only Crop has a square to show.
    if (this.fit.value === 'crop' && this.frame.size) this.frame.paint(context, width, height, this.gravity.value);
  }

  updateControls() {
    const shown = Boolean(this.picture);
    const crop = this.fit.value === 'crop';
    this.document.getElementById('turn-left').disabled = !shown;
    this.document.getElementById('turn-right').disabled = !shown;
    this.cropControls.hidden = !crop;
    for (const control of this.cropControls.querySelectorAll('input, button')) control.disabled = !shown || !crop;
    this.pictureView.tabIndex = shown && crop ? 0 : -1;
    this.pictureView.title = shown && crop ? texts.SquareFrameTip : '';
    if (shown && crop && this.frame.size) this.cropSize.value = String(Math.round(this.frame.side(this.gravity.value) * 100));
    this.document.getElementById('picture-open').disabled = this.files.length === 0;
  }

  updateToneOutputs() {
    this.document.getElementById('brightness-value').textContent = this.brightness.value;
    this.document.getElementById('contrast-value').textContent = this.contrast.value;
  }

  choicesChanged() {
    // Smoothing lets a large JPEG be decoded reduced: the picture is read
    // again, so the preview is of the very pixels Open brings in.
    if (this.shownFile && this.smooth.checked !== this.openedSmooth) {
      this.show(this.shownFile, true);
      return;
    }
    this.updateToneOutputs();
    this.updateControls();
    this.paintPicture();
    this.render(false).catch(() => {});
  }

  turn(quarterTurns) {
    if (!this.picture) return;
    this.turns = (((this.turns + quarterTurns) % 4) + 4) % 4;
    this.frame.turn(quarterTurns);
    this.pictureSize = this.frame.size;
    this.render(true).catch(() => {});
  }

  frameChanged(change) {
    if (!this.picture || this.fit.value !== 'crop') return;
    change();
    this.updateControls();
    this.paintPicture();
    this.render(false).catch(() => {});
  }

  wireFrame() {
    const canvas = this.pictureView;
    let dragging = null;
    const share = (event) => {
      const box = canvas.getBoundingClientRect();
      return { x: (event.clientX - box.left) / box.width, y: (event.clientY - box.top) / box.height };
    };
    canvas.addEventListener('pointerdown', (event) => {
      if (!this.picture || this.fit.value !== 'crop') return;
      canvas.setPointerCapture(event.pointerId);
      dragging = share(event);
    });
    canvas.addEventListener('pointermove', (event) => {
      if (!dragging) return;
      const at = share(event);
      const from = dragging;
      dragging = at;
      this.frameChanged(() => this.frame.moveBy(at.x - from.x, at.y - from.y, this.gravity.value));
    });
    const stop = () => {
      dragging = null;
    };
    canvas.addEventListener('pointerup', stop);
    canvas.addEventListener('pointercancel', stop);
    canvas.addEventListener('wheel', (event) => {
      if (!this.picture || this.fit.value !== 'crop') return;
      event.preventDefault();
      this.frameChanged(() => this.frame.zoom(event.deltaY > 0 ? 1 : -1, this.gravity.value));
    }, { passive: false });
    canvas.addEventListener('keydown', (event) => {
      const moves = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
      if (moves[event.key]) this.frameChanged(() => this.frame.step(...moves[event.key], this.gravity.value));
      else if (event.key === '+' || event.key === '=') this.frameChanged(() => this.frame.zoom(-1, this.gravity.value));
      else if (event.key === '-') this.frameChanged(() => this.frame.zoom(1, this.gravity.value));
      else return;
      event.preventDefault();
    });
  }
}
