// The selection dialog and its spec prompt. The list is virtual: the core keeps the lines
// and which of them show, and the page draws only the rows in sight, so that a catalogue of
// 200,000 entries opens as fast as one of fifty. Positions are the core's; rows count the
// lines shown.

import {makedialogs, openmodal} from './boxes.js';

const OVERSCAN = 4;

function byid(id) {
    return document.getElementById(id);
}

export class PickDialog {
    constructor(words) {
        this.words = words;
        this.sheet = null;
        this.dialog = null;
    }

    bind(sheet) {
        this.sheet = sheet;
    }

    // The dialog and its prompt, made and wired the first time the core shows anything of
    // them: the opening sets its texts before it opens.
    ready() {
        if (this.dialog) return;
        makedialogs();
        this.dialog = byid('pick');
        this.list = byid('pick-list');
        this.spacer = this.list.firstElementChild;
        this.search = byid('pick-search');
        this.value = byid('pick-value');
        this.editions = byid('pick-editions');
        this.rows = 0;
        this.selected = -1;
        this.cursor = 0;
        this.pool = [];
        this.close = null;
        this.closespec = null;
        this.build();
        this.wire();
    }

    build() {
        const words = this.words;
        this.search.placeholder = words.search;
        this.search.setAttribute('aria-label', words.search);
        this.editions.firstElementChild.textContent = words.editiongroup;
        this.editions.title = words.editiongrouptip;
        words.editions.forEach((edition, i) => {
            const radio = document.createElement('input');
            radio.type = 'radio';
            radio.name = 'edition';
            radio.value = String(i);
            radio.checked = i === 0;
            radio.addEventListener('change', () => this.sheet.pickedition(i));
            const label = document.createElement('label');
            label.title = words.editiontips[i];
            label.append(radio, edition);
            this.editions.append(label);
        });
        byid('pick-ok').textContent = words.ok;
        byid('pick-cancel').textContent = words.cancel;
        byid('spec-ok').textContent = words.ok;
        byid('spec-cancel').textContent = words.cancel;
        byid('spec-text').maxLength = words.speclimit;
    }

    wire() {
        this.list.addEventListener('scroll', () => this.render());
        this.list.addEventListener('click', (event) => {
            const row = event.target.closest('[role=option]');
            if (row) this.choose(Number(row.dataset.row));
        });
        this.list.addEventListener('dblclick', () => this.sheet.pickdoubleclick());
        this.list.addEventListener('keydown', (event) => this.onlistkey(event));
        this.search.addEventListener('input', () => this.sheet.picksearch(this.search.value));
        this.search.addEventListener('keydown', (event) => this.onsearchkey(event));
        this.value.addEventListener('input', () => this.sheet.pickvalue(this.value.value));
        this.value.addEventListener('change', () => this.sheet.pickfixup());
        this.value.addEventListener('keydown', (event) => {
            const steps = {ArrowUp: 1, ArrowDown: -1, PageUp: 10, PageDown: -10};
            if (!(event.key in steps)) return;
            event.preventDefault();
            this.sheet.pickstep(steps[event.key]);
        });
        for (const step of this.dialog.querySelectorAll('.step')) {
            step.addEventListener('mousedown', (event) => event.preventDefault());
            step.addEventListener('click', () => this.sheet.pickstep(Number(step.dataset.step)));
        }
        byid('pick-ok').addEventListener('click', () => this.sheet.pickok());
        byid('pick-cancel').addEventListener('click', () => this.sheet.pickcancel());
        byid('pick-close').addEventListener('click', () => this.sheet.pickclose());
        // Only OK, "Отмена" and the close box close the dialog.
        this.dialog.addEventListener('cancel', (event) => event.preventDefault());
        // Should the browser close it all the same, that is the close box.
        this.dialog.addEventListener('close', () => {
            if (this.close && !this.dialog.open) this.sheet.pickclose();
        });
        this.dialog.addEventListener('keydown', (event) => this.ondialogkey(event));
        this.wirespec();
    }

    ondialogkey(event) {
        // Escape does nothing here, and a key the page takes asks the browser for no closing
        // either: it would close the dialog after a second Escape.
        if (event.key === 'Escape') {
            event.preventDefault();
            return;
        }
        if (event.ctrlKey && event.code === 'KeyF') {
            event.preventDefault();
            this.search.focus();
            return;
        }
        // Enter is OK's, the dialog's default button, except on another button.
        if (event.key !== 'Enter' || event.target.matches('button')) return;
        event.preventDefault();
        if (event.target === this.value) this.sheet.pickfixup();
        this.sheet.pickok();
    }

    onsearchkey(event) {
        if (event.key === 'Escape') {
            if (this.search.value === '') return;
            event.preventDefault();
            event.stopPropagation();
            this.search.value = '';
            this.sheet.picksearch('');
            return;
        }
        if (event.key !== 'ArrowDown' && event.key !== 'Enter') return;
        event.preventDefault();
        event.stopPropagation();
        if (this.rows === 0) return;
        this.list.focus();
        this.choose(0);
    }

    onlistkey(event) {
        const page = Math.max(1, Math.floor(this.list.clientHeight / this.rowheight()) - 1);
        const from = this.selected;
        let to;
        switch (event.key) {
            case 'ArrowDown':
                to = from < 0 ? this.cursor : from + 1;
                break;
            case 'ArrowUp':
                to = from < 0 ? this.cursor : from - 1;
                break;
            case 'PageDown':
                to = Math.max(from, 0) + page;
                break;
            case 'PageUp':
                to = Math.max(from, 0) - page;
                break;
            case 'Home':
                to = 0;
                break;
            case 'End':
                to = this.rows - 1;
                break;
            default:
                return;
        }
        event.preventDefault();
        if (this.rows > 0) this.choose(Math.max(0, Math.min(to, this.rows - 1)));
    }

    // Selects row `row` and reports it, as a click on it.
    choose(row) {
        this.selected = this.cursor = row;
        this.reveal(row);
        this.render();
        this.sheet.pickclick(this.sheet.pickshown()[row]);
    }

    // A row's height as drawn, which the style sets for the screen: measured on a row.
    rowheight() {
        if (this.pool.length === 0) this.addoption();
        return this.pool[0].offsetHeight || 1;
    }

    addoption() {
        const option = document.createElement('div');
        option.setAttribute('role', 'option');
        this.list.append(option);
        this.pool.push(option);
    }

    reveal(row) {
        const height = this.rowheight();
        const top = row * height;
        if (top < this.list.scrollTop) this.list.scrollTop = top;
        const bottom = top + height - this.list.clientHeight;
        if (bottom > this.list.scrollTop) this.list.scrollTop = bottom;
    }

    // Draws the rows in sight, and a few around them, from a pool of row elements.
    render() {
        const height = this.rowheight();
        this.spacer.style.height = `${this.rows * height}px`;
        const first = Math.max(0, Math.floor(this.list.scrollTop / height) - OVERSCAN);
        const last = Math.min(this.rows,
            Math.ceil((this.list.scrollTop + this.list.clientHeight) / height) + OVERSCAN);
        const texts = this.sheet.picktexts(first, last);
        // The view into the module's memory is taken after the texts, which may move it.
        const shown = this.sheet.pickshown();
        while (this.pool.length < last - first) this.addoption();
        while (this.pool.length > last - first) this.pool.pop().remove();
        this.pool.forEach((option, k) => {
            const row = first + k;
            option.id = `pick-row-${row}`;
            option.dataset.row = String(row);
            option.dataset.position = String(shown[row]);
            option.style.top = `${row * height}px`;
            option.textContent = texts[k];
            option.title = texts[k];
            option.setAttribute('aria-selected', String(row === this.selected));
            option.setAttribute('aria-posinset', String(row + 1));
            option.setAttribute('aria-setsize', String(this.rows));
        });
        const active = this.selected >= 0 ? this.selected : this.cursor;
        if (active >= first && active < last) {
            this.list.setAttribute('aria-activedescendant', `pick-row-${active}`);
        } else {
            this.list.removeAttribute('aria-activedescendant');
        }
    }

    openpick(features) {
        this.ready();
        const words = this.words;
        this.list.setAttribute('aria-label', features ? words.featurelist : words.skilllist);
        this.dialog.classList.toggle('features', features);
        this.close = openmodal(this.dialog, this.list);
        this.render();
    }

    closepick() {
        const close = this.close;
        this.close = null;
        close?.();
    }

    picklist(rows, selected) {
        this.ready();
        this.rows = rows;
        this.selected = selected;
        this.cursor = Math.max(selected, 0);
        if (selected < 0) {
            this.list.scrollTop = 0;
        } else {
            this.reveal(selected);
        }
        if (this.dialog.open) this.render();
    }

    pickcaption(text) {
        this.ready();
        byid('pick-caption').textContent = text;
    }

    picklabel(which, text) {
        this.ready();
        byid(`pick-label${which}`).textContent = text;
    }

    pickhint(text) {
        this.ready();
        byid('pick-hint').textContent = text;
        this.list.title = text;
    }

    pickvalue(text, lower, upper) {
        this.ready();
        this.value.value = text;
        this.value.dataset.lower = String(lower);
        this.value.dataset.upper = String(upper);
        this.value.title = `${lower} … ${upper}`;
    }

    showeditions(visible) {
        this.ready();
        this.editions.hidden = !visible;
    }

    clearsearch() {
        this.ready();
        this.search.value = '';
    }

    wirespec() {
        const text = byid('spec-text');
        const hint = byid('spec-hint');
        const answer = (spec) => {
            const close = this.closespec;
            this.closespec = null;
            close?.();
            this.sheet.specgiven(spec);
        };
        text.addEventListener('beforeinput', (event) => {
            const typed = event.data ?? event.dataTransfer?.getData('text/plain') ?? '';
            if (typed.includes('=')) {
                event.preventDefault();
                hint.textContent = this.words.specnoequals;
            } else if (typed && text.value.length - (text.selectionEnd - text.selectionStart) >= text.maxLength) {
                hint.textContent = this.words.spectoolong;
            }
        });
        byid('spec-ok').addEventListener('click', () => answer(text.value));
        byid('spec-cancel').addEventListener('click', () => answer(''));
        const dialog = byid('spec');
        dialog.addEventListener('cancel', (event) => {
            event.preventDefault();
            answer('');
        });
        // Closed by the browser itself after Escape: a cancel too.
        dialog.addEventListener('close', () => {
            if (this.closespec && !dialog.open) answer('');
        });
        dialog.addEventListener('keydown', (event) => {
            if (event.key !== 'Enter' || event.target.matches('button')) return;
            event.preventDefault();
            answer(text.value);
        });
    }

    promptspec(caption, prompt) {
        this.ready();
        byid('spec-caption').textContent = caption;
        byid('spec-prompt').textContent = prompt;
        byid('spec-text').value = '';
        byid('spec-hint').textContent = '';
        this.closespec = openmodal(byid('spec'), byid('spec-text'));
    }
}
