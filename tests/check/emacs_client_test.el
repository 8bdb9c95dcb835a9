;;; emacs_client_test.el --- Emacs' own spelling client driving morvane-check.  -*- lexical-binding: t -*-
;; Run: MORVANE_CHECK=path/to/morvane-check emacs --batch -l ert -l emacs_client_test.el \
;;        -f ert-run-tests-batch-and-exit
;; The configuration is the one the README gives, plus a personal list in a fresh folder.
(require 'ert)
(require 'ispell)
(require 'flyspell)

(defvar morvane-test-folder (make-temp-file "morvane-emacs" t))
(setq ispell-program-name (getenv "MORVANE_CHECK"))
(setq ispell-dictionary-base-alist '((nil "[[:alpha:]]" "[^[:alpha:]]" "[']" t nil nil utf-8)))
(setq ispell-personal-dictionary (expand-file-name "personal-words" morvane-test-folder))
(setq ispell-silently-savep t)
(setq flyspell-issue-message-flag nil)

(defun morvane-test-text (filler)
  "A text with misspelt words (one hyphenated), accented words before them, FILLER lines."
  (concat "Our λόγος said teh cat.\n"
          "A café so naïve, déjà recieve-known rôle.\n"
          (apply #'concat (make-list filler "The cat and the dog sat on the mat in the sun.\n"))
          "We recieve the ball and the wrld turns.\n"))

(defun morvane-test-spans (find)
  "The (START . END) spans, in order, of what FIND returns for the current buffer."
  (sort (funcall find) (lambda (a b) (< (car a) (car b)))))

(defun morvane-test-misspelt-spans ()
  (morvane-test-spans
   (lambda () (let (spans)
                (dolist (word '("teh" "recieve" "wrld") spans)
                  (goto-char (point-min))
                  (while (re-search-forward (concat "\\<" word "\\>") nil t)
                    (push (cons (match-beginning 0) (match-end 0)) spans)))))))

(ert-deftest morvane-flyspell-marks-the-misspelt-words-word-by-word-and-through-the-list-mode ()
  ;; A short text is checked a word at a time, a long one through the list mode.
  (dolist (filler '(2 30))
    (with-temp-buffer
      (insert (morvane-test-text filler))
      (flyspell-mode 1)
      (flyspell-buffer)
      (should (eq (< (buffer-size) flyspell-large-region) (= filler 2)))
      (should (equal (morvane-test-spans
                      (lambda () (mapcar (lambda (o) (cons (overlay-start o) (overlay-end o)))
                                         (seq-filter #'flyspell-overlay-p (overlays-in (point-min) (point-max))))))
                     (morvane-test-misspelt-spans))))))

(defun morvane-test-ispell (text key command)
  "Run COMMAND on a buffer holding TEXT, answering KEY at every stop.
Return each stop's (MISS START . END), in order."
  (let (stops)
    (cl-letf* ((loop (symbol-function 'ispell-command-loop))
               ((symbol-function 'ispell-command-loop)
                (lambda (miss guess word start end)
                  (push (cons miss (cons (+ 0 start) (+ 0 end))) stops)
                  (setq unread-command-events (list key))
                  (funcall loop miss guess word start end))))
      (switch-to-buffer (generate-new-buffer "ispell"))
      (insert text)
      (funcall command)
      (kill-buffer))
    (nreverse stops)))

(ert-deftest morvane-ispell-buffer-stops-at-each-misspelt-word ()
  ;; Whole lines go through the pipe here, so the answers' offsets place the words.
  (let ((text (morvane-test-text 1)))
    (should (equal (mapcar #'cdr (morvane-test-ispell text ?\s #'ispell-buffer))
                   (with-temp-buffer (insert text) (morvane-test-misspelt-spans))))))

(defun morvane-test-ispell-word (word key)
  "Run `ispell-word' on WORD answering KEY: the suggestions offered at each stop."
  (mapcar #'car (morvane-test-ispell (concat "The λόγος " word " here.") key
                                     (lambda () (search-backward word) (ispell-word)))))

(ert-deftest morvane-ispell-word-offers-morvanes-suggestions-in-order ()
  (should (equal (morvane-test-ispell-word "recieve" ?\s) '(("receive" "recessive" "Recife")))))

(ert-deftest morvane-word-saved-to-the-personal-list-is-found-in-a-fresh-session ()
  (should (morvane-test-ispell-word "Zwobblefrump" ?i))
  ;; The save has no answer: wait for the file.
  (with-timeout (60 (error "Waited 60 s for %s to be saved" ispell-personal-dictionary))
    (while (not (file-exists-p ispell-personal-dictionary))
      (accept-process-output ispell-process 0.05)))
  (ispell-kill-ispell t)
  (should-not (morvane-test-ispell-word "Zwobblefrump" ?\s))
  (should-not (morvane-test-ispell-word "zwobblefrump" ?\s)))

;;; emacs_client_test.el ends here
